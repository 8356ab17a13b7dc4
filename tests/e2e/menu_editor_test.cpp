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
        ASSERT_TRUE(recorder.copied);
        UserWith(user, Options::InView());
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

    void NewEntry(const char* name, const char* directory, const char* parameters, int showButton, int button = IDOK)
    {
        HWND entry = OpenEntry(IDC_NEW_PROGRAM, BN_CLICKED, PROGRAM_ENTRY);
        for (int id : {IDC_ENTRY_NAME, IDC_ENTRY_PATH, IDC_ENTRY_DIRECTORY, IDC_ENTRY_PARAMETERS})
            EXPECT_EQ("", ItemText(entry, id)) << "a new entry starts empty";
        EXPECT_TRUE(Checked(entry, IDC_SHOW_NORMAL));
        SetItemText(entry, IDC_ENTRY_NAME, name);
        SetItemText(entry, IDC_ENTRY_PATH, helper);
        SetItemText(entry, IDC_ENTRY_DIRECTORY, directory);
        SetItemText(entry, IDC_ENTRY_PARAMETERS, parameters);
        Click(entry, showButton);
        Press(entry, button);
    }
    // NewMenu: "Neu ..." on the menus, the name typed, and OK or Cancel.
    void NewMenu(const char* name, int button)
    {
        HWND entry = OpenEntry(IDC_NEW_MENU, BN_CLICKED, MENU_NAME);
        EXPECT_EQ("", ItemText(entry, IDC_MENU_NAME));
        SetItemText(entry, IDC_MENU_NAME, name);
        Press(entry, button);
    }
    // Steps: on the list, select the line (ANY: keep the selection), press
    // the button, then expect the list's lines and selection (ANY: not checked).
    static const int ANY = -9;
    struct Step {
        int list, line, button;
        Lines after;
        int selection;
    };
    void Run(std::initializer_list<Step> steps)
    {
        for (const Step& s : steps) {
            if (s.line != ANY) SelectLine(editor, s.list, s.line);
            Notify(editor, s.button);
            EXPECT_EQ(s.after, ListLines(List(s.list))) << "button " << s.button << " on line " << s.line;
            if (s.selection != ANY) EXPECT_EQ(s.selection, ListSelection(List(s.list))) << "button " << s.button;
        }
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
    LaunchRecorder recorder{dir};
    const std::string& helper = recorder.helper;
    const std::string& record = recorder.record;
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
    for (int id : {IDC_DELETE_MENU, IDC_DELETE_ENTRY, IDC_SEPARATOR}) EXPECT_FALSE(Enabled(id)) << id;
    ExpectWarning(editor, IDC_ENTRY_UP, BN_CLICKED, NO_MENU);

    SelectLine(editor, IDC_MENUS, 0);
    EXPECT_EQ((Lines{"A", "-------", "B", "C"}), Programs());
    EXPECT_TRUE(Enabled(IDC_DELETE_MENU));
    EXPECT_FALSE(Enabled(IDC_DELETE_ENTRY));
    ExpectWarning(editor, IDC_ENTRY_DOWN, BN_CLICKED, NO_ENTRY);
    SelectLine(editor, IDC_PROGRAMS, 2);
    EXPECT_TRUE(Enabled(IDC_DELETE_ENTRY));
    EXPECT_TRUE(Enabled(IDC_SEPARATOR));

    const int P = IDC_PROGRAMS;
    Run({
        // B, with its separator, moves up past A: the separator goes along.
        {P, 2, IDC_ENTRY_UP, {"-------", "B", "A", "C"}, 1},
        // A moves up past B and its separator, which stays with B.
        {P, 2, IDC_ENTRY_UP, {"A", "-------", "B", "C"}, 0},
        // Down again over B's separator; the last entry cannot go further.
        {P, ANY, IDC_ENTRY_DOWN, {"-------", "B", "A", "C"}, 2},
        {P, 3, IDC_ENTRY_DOWN, {"-------", "B", "A", "C"}, 3},
        // A separator above C, once; on the separator line nothing is added.
        {P, ANY, IDC_SEPARATOR, {"-------", "B", "A", "-------", "C"}, ANY},
        {P, ANY, IDC_SEPARATOR, {"-------", "B", "A", "-------", "C"}, ANY},
        {P, 3, IDC_SEPARATOR, {"-------", "B", "A", "-------", "C"}, ANY},
        // Deleting the separator line selects the line above it; then a plain
        // entry, then one with its separator line.
        {P, ANY, IDC_DELETE_ENTRY, {"-------", "B", "A", "C"}, 2},
        {P, ANY, IDC_DELETE_ENTRY, {"-------", "B", "C"}, 2},
        {P, 1, IDC_DELETE_ENTRY, {"C"}, -1},
    });

    // Editing C: every field, and the window state.
    SelectLine(editor, IDC_PROGRAMS, 0);
    HWND entry = OpenEntry(IDC_PROGRAMS, LBN_DBLCLK, PROGRAM_ENTRY);
    EXPECT_EQ(editor, GetWindow(entry, GW_OWNER));
    EXPECT_EQ("C|" + helper + "||c", ItemText(entry, IDC_ENTRY_NAME) + "|" + ItemText(entry, IDC_ENTRY_PATH) + "|" +
                                         ItemText(entry, IDC_ENTRY_DIRECTORY) + "|" +
                                         ItemText(entry, IDC_ENTRY_PARAMETERS));
    EXPECT_TRUE(Checked(entry, IDC_SHOW_NORMAL));
    SetItemText(entry, IDC_ENTRY_NAME, "&Cäsar");
    SetItemText(entry, IDC_ENTRY_DIRECTORY, dir.Path());
    SetItemText(entry, IDC_ENTRY_PARAMETERS, "caesar 101");
    Click(entry, IDC_SHOW_MAXIMIZED);
    Press(entry, IDOK);
    EXPECT_EQ(Lines{"&Cäsar"}, Programs());
    EXPECT_EQ(0, ProgramSelection());

    // New entries: refused without name and path, then made; one cancelled.
    entry = OpenEntry(IDC_NEW_PROGRAM, BN_CLICKED, PROGRAM_ENTRY);
    SetItemText(entry, IDC_ENTRY_NAME, "&Neu");
    ExpectWarning(entry, IDOK, BN_CLICKED, "Sie müssen einen Namen und den\nPfad der Programm-Datei eingeben.");
    EXPECT_TRUE(IsWindow(entry)) << "stays open";
    SetItemText(entry, IDC_ENTRY_PATH, helper);
    Press(entry, IDOK);
    NewEntry("&Klein", "C:\\", "klein 103", IDC_SHOW_MINIMIZED);
    NewEntry("&Weg", "", "", IDC_SHOW_NORMAL, IDCANCEL);
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

    // A new menu, and one cancelled; moving menus, at the ends nothing moves.
    NewMenu("&Vier", IDOK);
    NewMenu("&Fort", IDCANCEL);
    const Lines moved = {"&Eins", "Z&wei neu", "&Vier", "&Drei"};
    Run({{IDC_MENUS, 3, IDC_MENU_UP, moved, 2}, {IDC_MENUS, 0, IDC_MENU_UP, moved, 0},
         {IDC_MENUS, 3, IDC_MENU_DOWN, moved, 3}});

    // Deleting a menu: No keeps it, Yes takes it with its entries.
    PostNotify(editor, IDC_DELETE_MENU);
    HWND confirm = WaitForDialog(bar.Id(), "Bitte Löschen bestätigen.");
    ASSERT_TRUE(confirm);
    EXPECT_EQ(editor, GetWindow(confirm, GW_OWNER)) << "owned by the dialog";
    EXPECT_FALSE(HasIcon(confirm));
    Box box;
    ASSERT_TRUE(AnswerBox(bar.Id(), "Bitte Löschen bestätigen.", IDNO, box));
    EXPECT_EQ("Sind Sie sicher, daß Sie dieses Menü und\nalle darin aufgeführten Einträge löschen wollen?", box.text);
    EXPECT_EQ(moved, Menus());
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
    const struct {
        WORD id;
        const char* args;
        int show;
        std::string cwd;
    } launches[] = {{101, "caesar 101", SW_SHOWMAXIMIZED, dir.Path()}, {102, "", SW_RESTORE, dir.Path()},
                    {103, "klein 103", SW_MINIMIZE, "C:\\"}, {201, "fuenf 201", SW_RESTORE, dir.Path()}};
    for (const auto& l : launches) {
        LaunchRecord started = Started(l.id);
        EXPECT_EQ(l.args, started.args) << l.id;
        EXPECT_EQ(l.show, started.show) << l.id;
        EXPECT_EQ(0, lstrcmpiA(l.cwd.c_str(), started.cwd.c_str())) << l.id << ": " << started.cwd;
    }
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
    for (int id : {IDC_DELETE_MENU, IDC_DELETE_ENTRY, IDC_SEPARATOR}) EXPECT_FALSE(Enabled(id)) << id;
    NewMenu("&Nichts", IDCANCEL);
    EXPECT_TRUE(Menus().empty());
    NewMenu("&Erstes", IDOK);
    EXPECT_EQ(Lines{"&Erstes"}, Menus());
    SelectLine(editor, IDC_MENUS, 0);
    NewEntry("&Weg", "", "", IDC_SHOW_NORMAL, IDCANCEL);
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
