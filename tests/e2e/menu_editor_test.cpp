// The menu editor of the real bar, driven from this process as its controls
// and the user would drive it: list selections with their notifications,
// buttons, edit fields, message boxes. What it did is read back from the
// profile file and from what the new menu identifiers start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch_record.h"
#include "profile_records.h"
#include "resources/resource.h"
#include "win_bar_fixture.h"
#include "win_dialogs.h"

using namespace driver;
using namespace records;

namespace {

using Lines = std::vector<std::string>;

const char EDITOR[] = "Benutzerdefinierte Menüs";
const char PROGRAM_ENTRY[] = "Programm eintragen";
const char MENU_NAME[] = "Menü eintragen";
const char NO_MENU[] = "Bitte zuerst ein Menü auswählen.";
const char NO_ENTRY[] = "Bitte zuerst einen Eintrag auswählen.";

class MenuEditorSession : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        helper = dir.File("record_launch.exe");
        ASSERT_TRUE(CopyFileA((ModuleDirectory() + "\\record_launch.exe").c_str(), helper.c_str(), FALSE));
        record = dir.File("record.txt");
        SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, record.c_str());
        Options still;
        still.autoHide = 0;
        UserWith(user, still);
    }
    void TearDown() override
    {
        SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, nullptr);
        BarTest::TearDown();
    }

    // Start: the bar with this profile, and its custom-menus dialog open.
    void Start(const Bytes& profile)
    {
        ASSERT_TRUE(WriteFileBytes(ProfilePath(), profile));
        window = StartExpecting(bar, user, {});
        ASSERT_TRUE(window);
        PostMessageA(window, WM_COMMAND, IDM_MENUS, 0);  // "&Menüs ändern ..."
        editor = WaitForDialog(bar.Id(), EDITOR);
        ASSERT_TRUE(editor);
        EXPECT_EQ(window, GetWindow(editor, GW_OWNER));
    }
    std::string ProfilePath() { return dir.File("deskrail." + user); }
    Bytes Profile()
    {
        Bytes bytes;
        EXPECT_TRUE(ReadFileBytes(ProfilePath(), bytes));
        return bytes;
    }

    HWND List(int id) { return GetDlgItem(editor, id); }
    Lines Menus() { return ListLines(List(IDC_MENUS)); }
    Lines Programs() { return ListLines(List(IDC_PROGRAMS)); }
    int MenuSelection() { return ListSelection(List(IDC_MENUS)); }
    int ProgramSelection() { return ListSelection(List(IDC_PROGRAMS)); }
    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(editor, id)) != FALSE; }

    // ExpectWarning: the action shows this warning of the bar, answered with OK.
    void ExpectWarning(HWND dialog, int id, int code, const std::string& text)
    {
        PostNotify(dialog, id, code);
        Box box;
        ASSERT_TRUE(AnswerBox(bar.Id(), "DeskRail", IDOK, box)) << "no warning for " << text;
        EXPECT_EQ(text, box.text);
    }
    // OpenEntry: the entry dialog that the action opens.
    HWND OpenEntry(int id, int code, const char* caption)
    {
        PostNotify(editor, id, code);
        HWND dialog = WaitForDialog(bar.Id(), caption);
        EXPECT_TRUE(dialog) << caption;
        return dialog;
    }
    void Press(HWND dialog, int id)
    {
        PostNotify(dialog, id);
        EXPECT_TRUE(WaitGone(dialog));
    }
    void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    bool Checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void NewEntry(const char* name, const char* directory, const char* parameters, int showButton)
    {
        HWND entry = OpenEntry(IDC_NEW_PROGRAM, BN_CLICKED, PROGRAM_ENTRY);
        SetItemText(entry, IDC_ENTRY_NAME, name);
        SetItemText(entry, IDC_ENTRY_PATH, helper);
        SetItemText(entry, IDC_ENTRY_DIRECTORY, directory);
        SetItemText(entry, IDC_ENTRY_PARAMETERS, parameters);
        Click(entry, showButton);
        Press(entry, IDOK);
    }
    // Started: what picking that menu identifier starts.
    LaunchRecord Started(WORD id)
    {
        PostMessageA(window, WM_COMMAND, id, 0);
        LaunchRecord started;
        EXPECT_TRUE(WaitForLaunchRecord(record, started)) << id << " started nothing";
        return started;
    }

    std::string user = "e2e_editor";
    std::string helper, record;
    BarProcess bar;
    HWND window = nullptr;
    HWND editor = nullptr;
};

}  // namespace

TEST_F(MenuEditorSession, EditsReachTheProfileAndTheMenuBar)
{
    ASSERT_NO_FATAL_FAILURE(Start(HEADER + MenuRecord("&Eins", 3) + EntryRecord("A", helper.c_str(), 5, 0, "", "a") +
          EntryRecord("B", helper.c_str(), 5, 1, "", "b") + EntryRecord("C", helper.c_str(), 5, 0, "", "c") +
          MenuRecord("&Zwei", 1) + EntryRecord("D", helper.c_str(), 9, 0, "", "d") + MenuRecord("&Drei", 0)));
    EXPECT_EQ((Lines{"&Eins", "&Zwei", "&Drei"}), Menus());
    EXPECT_TRUE(Programs().empty());
    EXPECT_FALSE(Enabled(IDC_DELETE_MENU));
    EXPECT_FALSE(Enabled(IDC_DELETE_ENTRY));
    EXPECT_FALSE(Enabled(IDC_SEPARATOR));
    ExpectWarning(editor, IDC_ENTRY_UP, BN_CLICKED, NO_MENU);

    SelectLine(editor, IDC_MENUS, 0);
    EXPECT_EQ((Lines{"A", "-------", "B", "C"}), Programs());
    EXPECT_TRUE(Enabled(IDC_DELETE_MENU));
    EXPECT_FALSE(Enabled(IDC_DELETE_ENTRY));
    ExpectWarning(editor, IDC_ENTRY_DOWN, BN_CLICKED, NO_ENTRY);

    // B, with its separator, moves up past A: the separator goes along.
    SelectLine(editor, IDC_PROGRAMS, 2);
    EXPECT_TRUE(Enabled(IDC_DELETE_ENTRY));
    EXPECT_TRUE(Enabled(IDC_SEPARATOR));
    Notify(editor, IDC_ENTRY_UP);
    EXPECT_EQ((Lines{"-------", "B", "A", "C"}), Programs());
    EXPECT_EQ(1, ProgramSelection());
    // A moves up past B and its separator, which stays with B.
    SelectLine(editor, IDC_PROGRAMS, 2);
    Notify(editor, IDC_ENTRY_UP);
    EXPECT_EQ((Lines{"A", "-------", "B", "C"}), Programs());
    EXPECT_EQ(0, ProgramSelection());
    // Down again over B's separator; the last entry cannot go further.
    Notify(editor, IDC_ENTRY_DOWN);
    EXPECT_EQ((Lines{"-------", "B", "A", "C"}), Programs());
    EXPECT_EQ(2, ProgramSelection());
    SelectLine(editor, IDC_PROGRAMS, 3);
    Notify(editor, IDC_ENTRY_DOWN);
    EXPECT_EQ((Lines{"-------", "B", "A", "C"}), Programs());
    EXPECT_EQ(3, ProgramSelection());

    // A separator above C, once; then it is taken away again.
    Notify(editor, IDC_SEPARATOR);
    Notify(editor, IDC_SEPARATOR);
    EXPECT_EQ((Lines{"-------", "B", "A", "-------", "C"}), Programs());
    SelectLine(editor, IDC_PROGRAMS, 3);
    Notify(editor, IDC_SEPARATOR);
    EXPECT_EQ((Lines{"-------", "B", "A", "-------", "C"}), Programs());
    Notify(editor, IDC_DELETE_ENTRY);
    EXPECT_EQ((Lines{"-------", "B", "A", "C"}), Programs());
    EXPECT_EQ(2, ProgramSelection()) << "the line above the separator";

    // A plain entry, then one with its separator line.
    Notify(editor, IDC_DELETE_ENTRY);
    EXPECT_EQ((Lines{"-------", "B", "C"}), Programs());
    EXPECT_EQ(2, ProgramSelection());
    SelectLine(editor, IDC_PROGRAMS, 1);
    Notify(editor, IDC_DELETE_ENTRY);
    EXPECT_EQ(Lines{"C"}, Programs());
    EXPECT_EQ(-1, ProgramSelection());

    // Editing C: every field, and the window state.
    SelectLine(editor, IDC_PROGRAMS, 0);
    HWND entry = OpenEntry(IDC_PROGRAMS, LBN_DBLCLK, PROGRAM_ENTRY);
    EXPECT_EQ(editor, GetWindow(entry, GW_OWNER));
    EXPECT_EQ("C", ItemText(entry, IDC_ENTRY_NAME));
    EXPECT_EQ(helper, ItemText(entry, IDC_ENTRY_PATH));
    EXPECT_EQ("", ItemText(entry, IDC_ENTRY_DIRECTORY));
    EXPECT_EQ("c", ItemText(entry, IDC_ENTRY_PARAMETERS));
    EXPECT_TRUE(Checked(entry, IDC_SHOW_NORMAL));
    SetItemText(entry, IDC_ENTRY_NAME, "&Cäsar");
    SetItemText(entry, IDC_ENTRY_DIRECTORY, dir.Path());
    SetItemText(entry, IDC_ENTRY_PARAMETERS, "caesar 101");
    Click(entry, IDC_SHOW_MAXIMIZED);
    Press(entry, IDOK);
    EXPECT_EQ(Lines{"&Cäsar"}, Programs());
    EXPECT_EQ(0, ProgramSelection());

    // New entries: refused without name and path, cancelled, then made.
    entry = OpenEntry(IDC_NEW_PROGRAM, BN_CLICKED, PROGRAM_ENTRY);
    for (int id : {IDC_ENTRY_NAME, IDC_ENTRY_PATH, IDC_ENTRY_DIRECTORY, IDC_ENTRY_PARAMETERS})
        EXPECT_EQ("", ItemText(entry, id));
    EXPECT_TRUE(Checked(entry, IDC_SHOW_NORMAL));
    SetItemText(entry, IDC_ENTRY_NAME, "&Neu");
    ExpectWarning(entry, IDOK, BN_CLICKED, "Sie müssen einen Namen und den\nPfad der Programm-Datei eingeben.");
    EXPECT_TRUE(IsWindow(entry)) << "stays open";
    SetItemText(entry, IDC_ENTRY_PATH, helper);
    Press(entry, IDOK);
    NewEntry("&Klein", "C:\\", "klein 103", IDC_SHOW_MINIMIZED);
    entry = OpenEntry(IDC_NEW_PROGRAM, BN_CLICKED, PROGRAM_ENTRY);
    SetItemText(entry, IDC_ENTRY_NAME, "&Weg");
    SetItemText(entry, IDC_ENTRY_PATH, helper);
    Press(entry, IDCANCEL);
    EXPECT_EQ((Lines{"&Cäsar", "&Neu", "&Klein"}), Programs());

    // Renaming a menu: refused when empty, then replaced in its line.
    SelectLine(editor, IDC_MENUS, 1);
    EXPECT_EQ(Lines{"D"}, Programs());
    entry = OpenEntry(IDC_MENUS, LBN_DBLCLK, MENU_NAME);
    EXPECT_EQ("&Zwei", ItemText(entry, IDC_MENU_NAME));
    SetItemText(entry, IDC_MENU_NAME, "");
    ExpectWarning(entry, IDOK, BN_CLICKED, "Das Menü muß einen Namen erhalten!");
    EXPECT_TRUE(IsWindow(entry));
    SetItemText(entry, IDC_MENU_NAME, "Z&wei neu");
    Press(entry, IDOK);
    EXPECT_EQ((Lines{"&Eins", "Z&wei neu", "&Drei"}), Menus());
    EXPECT_EQ(1, MenuSelection());

    // A new menu, and one cancelled.
    entry = OpenEntry(IDC_NEW_MENU, BN_CLICKED, MENU_NAME);
    EXPECT_EQ("", ItemText(entry, IDC_MENU_NAME));
    SetItemText(entry, IDC_MENU_NAME, "&Vier");
    Press(entry, IDOK);
    entry = OpenEntry(IDC_NEW_MENU, BN_CLICKED, MENU_NAME);
    SetItemText(entry, IDC_MENU_NAME, "&Fort");
    Press(entry, IDCANCEL);
    EXPECT_EQ((Lines{"&Eins", "Z&wei neu", "&Drei", "&Vier"}), Menus());

    // Moving menus; at the ends nothing moves.
    SelectLine(editor, IDC_MENUS, 3);
    Notify(editor, IDC_MENU_UP);
    EXPECT_EQ((Lines{"&Eins", "Z&wei neu", "&Vier", "&Drei"}), Menus());
    EXPECT_EQ(2, MenuSelection());
    SelectLine(editor, IDC_MENUS, 0);
    Notify(editor, IDC_MENU_UP);
    EXPECT_EQ(0, MenuSelection());
    SelectLine(editor, IDC_MENUS, 3);
    Notify(editor, IDC_MENU_DOWN);
    EXPECT_EQ((Lines{"&Eins", "Z&wei neu", "&Vier", "&Drei"}), Menus());
    EXPECT_EQ(3, MenuSelection());

    // Deleting a menu: No keeps it, Yes takes it with its entries.
    PostNotify(editor, IDC_DELETE_MENU);
    HWND confirm = WaitForDialog(bar.Id(), "Bitte Löschen bestätigen.");
    ASSERT_TRUE(confirm);
    EXPECT_EQ(editor, GetWindow(confirm, GW_OWNER)) << "owned by the dialog";
    EXPECT_FALSE(HasIcon(confirm));
    Box box;
    ASSERT_TRUE(AnswerBox(bar.Id(), "Bitte Löschen bestätigen.", IDNO, box));
    EXPECT_EQ("Sind Sie sicher, daß Sie dieses Menü und\nalle darin aufgeführten Einträge löschen wollen?", box.text);
    EXPECT_EQ(4u, Menus().size());
    EXPECT_EQ(3, MenuSelection());
    SelectLine(editor, IDC_MENUS, 1);
    PostNotify(editor, IDC_DELETE_MENU);
    ASSERT_TRUE(AnswerBox(bar.Id(), "Bitte Löschen bestätigen.", IDYES, box));
    EXPECT_EQ((Lines{"&Eins", "&Vier", "&Drei"}), Menus());
    EXPECT_EQ(1, MenuSelection()) << "the next menu moves into the line";
    EXPECT_TRUE(Programs().empty());

    NewEntry("&Fünf", "", "fuenf 201", IDC_SHOW_NORMAL);
    EXPECT_EQ(Lines{"&Fünf"}, Programs());

    Press(editor, IDOK);

    Bytes expected = HEADER + MenuRecord("&Eins", 3) +
                     EntryRecord("&Cäsar", helper.c_str(), 3, 0, dir.Path().c_str(), "caesar 101") +
                     EntryRecord("&Neu", helper.c_str(), 9, 0, dir.Path().c_str(), "") +
                     EntryRecord("&Klein", helper.c_str(), 6, 0, "C:\\", "klein 103") + MenuRecord("&Vier", 1) +
                     EntryRecord("&Fünf", helper.c_str(), 9, 0, dir.Path().c_str(), "fuenf 201") +
                     MenuRecord("&Drei", 0);
    EXPECT_EQ(expected, Profile()) << "saved on OK";

    // The rebuilt menu bar numbers the entries anew.
    LaunchRecord started = Started(101);
    EXPECT_EQ("caesar 101", started.args);
    EXPECT_EQ(SW_SHOWMAXIMIZED, started.show);
    EXPECT_EQ(0, lstrcmpiA(dir.Path().c_str(), started.cwd.c_str())) << started.cwd;
    started = Started(102);
    EXPECT_EQ("", started.args);
    EXPECT_EQ(SW_RESTORE, started.show);
    started = Started(103);
    EXPECT_EQ("klein 103", started.args);
    EXPECT_EQ(SW_MINIMIZE, started.show);
    EXPECT_EQ(0, lstrcmpiA("C:\\", started.cwd.c_str())) << started.cwd;
    EXPECT_EQ("fuenf 201", Started(201).args);
    PostMessageA(window, WM_COMMAND, 202, 0);
    PostMessageA(window, WM_COMMAND, 301, 0);
    EXPECT_TRUE(NoLaunchRecord(record));

    CloseNormally(bar);
    EXPECT_EQ(expected, Profile());
}

TEST_F(MenuEditorSession, WithoutMenusOnlyANewMenuWorksAndCancelsChangeNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start(HEADER));
    EXPECT_TRUE(Menus().empty());
    PostNotify(editor, IDC_ENTRY_UP);
    HWND warning = WaitForDialog(bar.Id(), "DeskRail");
    ASSERT_TRUE(warning);
    EXPECT_TRUE(HasIcon(warning)) << "the exclamation mark";
    EXPECT_EQ(window, GetWindow(warning, GW_OWNER)) << "owned by the bar";
    Box box;
    ASSERT_TRUE(AnswerBox(bar.Id(), "DeskRail", IDOK, box));
    EXPECT_EQ(NO_MENU, box.text);
    for (int id : {IDC_NEW_PROGRAM, IDC_MENU_UP, IDC_MENU_DOWN, IDC_ENTRY_DOWN})
        ExpectWarning(editor, id, BN_CLICKED, NO_MENU);
    EXPECT_FALSE(Enabled(IDC_DELETE_MENU));
    EXPECT_FALSE(Enabled(IDC_DELETE_ENTRY));
    EXPECT_FALSE(Enabled(IDC_SEPARATOR));

    HWND entry = OpenEntry(IDC_NEW_MENU, BN_CLICKED, MENU_NAME);
    SetItemText(entry, IDC_MENU_NAME, "&Nichts");
    Press(entry, IDCANCEL);
    EXPECT_TRUE(Menus().empty());

    entry = OpenEntry(IDC_NEW_MENU, BN_CLICKED, MENU_NAME);
    SetItemText(entry, IDC_MENU_NAME, "&Erstes");
    Press(entry, IDOK);
    EXPECT_EQ(Lines{"&Erstes"}, Menus());
    SelectLine(editor, IDC_MENUS, 0);
    entry = OpenEntry(IDC_NEW_PROGRAM, BN_CLICKED, PROGRAM_ENTRY);
    SetItemText(entry, IDC_ENTRY_NAME, "&Weg");
    SetItemText(entry, IDC_ENTRY_PATH, helper);
    Press(entry, IDCANCEL);
    EXPECT_TRUE(Programs().empty());

    // Esc from the keyboard leaves the dialog open; Enter is OK.
    SetForegroundWindow(editor);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == editor; }, 2000));
    PressKeys({VK_ESCAPE});
    Sleep(300);
    ASSERT_TRUE(IsWindow(editor));
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitGone(editor));
    EXPECT_EQ(HEADER + MenuRecord("&Erstes", 0), Profile());
    CloseNormally(bar);
}

TEST_F(MenuEditorSession, AMenuTakesNoHundredthEntry)
{
    Bytes entries;
    for (int i = 0; i < 99; ++i) entries = entries + EntryRecord(("e" + std::to_string(i)).c_str(), "c:\\x.exe");
    Bytes more = entries;
    for (int i = 99; i < 105; ++i) more = more + EntryRecord(("e" + std::to_string(i)).c_str(), "c:\\x.exe");
    // A profile that already holds more loads as it is.
    Bytes profile = HEADER + MenuRecord("&Voll", 99) + entries + MenuRecord("&Mehr", 105) + more;
    ASSERT_NO_FATAL_FAILURE(Start(profile));
    for (int line : {0, 1}) {
        SelectLine(editor, IDC_MENUS, line);
        EXPECT_EQ(line ? 105u : 99u, Programs().size());
        ExpectWarning(editor, IDC_NEW_PROGRAM, BN_CLICKED, "Ein Menü kann höchstens 99 Einträge aufnehmen.");
        EXPECT_FALSE(FindProcessWindow(bar.Id(), "#32770", PROGRAM_ENTRY));
    }
    Press(editor, IDOK);
    EXPECT_EQ(profile, Profile());
    CloseNormally(bar);
}
