// Editor, profile, launch: the custom-menus dialog of a running bar driven
// from outside, the profile it saves read with the program's own loader, and
// the new entry picked from the rebuilt menu bar starting its program
// (tests/helpers/record_launch.cpp writes how it was started).
#include "menus/menu_numbering.h"
#include "menus/profile_text.h"
#include "resources/resource.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {
using Lines = std::vector<std::string>;
class Editor : public BarTest {};
}  // namespace

TEST_F(Editor, NewMenuAndEntryAreSavedAndStartTheirProgram)
{
    std::string helper = Copy("record_launch.exe", dir.Path()), record = dir.File("record.txt");
    SetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", record.c_str());  // the bar passes it on
    std::string user = UserWith("e2e_editor", Defaults(false)), work = dir.File("Arbeit");
    ASSERT_TRUE(CreateDirectoryA(work.c_str(), nullptr));
    BarProcess bar;
    HWND window = Start(bar, user, {});
    PostMessageA(window, WM_COMMAND, IDM_MENUS, 0);
    HWND editor = DialogOwnedBy(window), name, entry;
    ASSERT_TRUE(editor);

    Lines menus = ListOf(editor, IDC_MENUS);
    PressButton(editor, IDC_NEW_MENU);
    ASSERT_TRUE(name = DialogOwnedBy(editor));
    TypeInto(name, IDC_MENU_NAME, "&Werkzeüge");
    PressButton(name, IDOK);
    menus.push_back("&Werkzeüge");
    ASSERT_TRUE(WaitFor([&] { return ListOf(editor, IDC_MENUS) == menus; }));
    ChooseLine(editor, IDC_MENUS, static_cast<int>(menus.size()) - 1);
    PressButton(editor, IDC_NEW_PROGRAM);
    ASSERT_TRUE(entry = DialogOwnedBy(editor));
    TypeInto(entry, IDC_ENTRY_NAME, "&Zähler");
    TypeInto(entry, IDC_ENTRY_PATH, helper);
    TypeInto(entry, IDC_ENTRY_DIRECTORY, work);
    TypeInto(entry, IDC_ENTRY_PARAMETERS, "eins \"zwei drei\"");
    ClickBox(entry, IDC_SHOW_MINIMIZED);
    PressButton(entry, IDOK);
    ASSERT_TRUE(WaitFor([&] { return ListOf(editor, IDC_PROGRAMS) == Lines{"&Zähler"}; }));
    // A separator above it, and the menu one place to the left.
    ChooseLine(editor, IDC_PROGRAMS, 0);
    PressButton(editor, IDC_SEPARATOR);
    EXPECT_TRUE(WaitFor([&] { return ListOf(editor, IDC_PROGRAMS) == Lines{SEPARATOR_TEXT, "&Zähler"}; }));
    PressButton(editor, IDC_MENU_UP);
    std::swap(menus.back(), menus[menus.size() - 2]);
    EXPECT_TRUE(WaitFor([&] { return ListOf(editor, IDC_MENUS) == menus; }));
    PressButton(editor, IDOK);

    std::vector<unsigned char> saved;
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(ProfileOf(user), saved); })) << "saved on OK";
    std::string made = "&Werkzeüge\n &Zähler|" + helper + "|" + work + "|eins \"zwei drei\"|" +
                       std::to_string(SW_MINIMIZE) + "|1\n" + menus.back() + "\n";
    EXPECT_NE(std::string::npos, Outline(saved).find(made)) << Outline(saved);

    // Separators take no place in the numbering of the rebuilt menu bar.
    PostMessageA(window, WM_COMMAND, EntryCommandId(static_cast<int>(menus.size()) - 1, 1), 0);
    std::vector<unsigned char> started;
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(record, started); })) << "the entry started nothing";
    EXPECT_EQ("eins \"zwei drei\"\n" + work + "\n" + std::to_string(SW_MINIMIZE) + "\n",
              std::string(started.begin(), started.end()));
    EXPECT_TRUE(bar.ExpectNoBox());
    Close(bar);
}

TEST_F(Editor, SameNamedEntriesStayApartAndEntriesPastTheLimitTakeNoCommand)
{
    std::string helper = Copy("record_launch.exe", dir.Path()), record = dir.File("record.txt");
    SetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", record.c_str());
    std::string user = UserWith("e2e_same", Defaults(false)), quoted;
    for (char c : helper) quoted += c == '\\' ? std::string("\\x5C") : std::string(1, c);
    // The first menu holds 101 entries, as another tool may write it; the first two share a name.
    std::string text = "deskrail-profile 103\nmenu \"&Voll\"\n";
    for (int e = 1; e <= 101; ++e) text += std::string(" entry \"") + (e <= 2 ? "Spiel" : "x") + "\"\n  path \"" + (e == 2 ? "zwei" : "eins") + "\"\n";
    text += "menu \"&Danach\"\n entry \"Z\"\n  path \"" + quoted + "\"\n";
    unsigned char* bytes = nullptr;
    size_t size = 0;
    char message[200];
    ASSERT_TRUE(ProfileFromText(text.data(), text.size(), bytes, size, message, sizeof message)) << message;
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), std::vector<unsigned char>(bytes, bytes + size)));
    delete[] bytes;

    BarProcess bar;
    HWND window = Start(bar, user, {MENU_BAR_FULL_TEXT});
    PostMessageA(window, WM_COMMAND, EntryCommandId(2, 1), 0);
    std::vector<unsigned char> started;
    EXPECT_TRUE(WaitFor([&] { return ReadFileBytes(record, started); })) << "the second menu's entry started";

    PostMessageA(window, WM_COMMAND, IDM_MENUS, 0);
    HWND editor = DialogOwnedBy(window), entry;
    ASSERT_TRUE(editor);
    ChooseLine(editor, IDC_MENUS, 0);
    ChooseLine(editor, IDC_PROGRAMS, 1);
    PressButton(editor, IDC_DELETE_ENTRY);
    ASSERT_TRUE(WaitFor([&] { return ListOf(editor, IDC_PROGRAMS).size() == 100; }));
    // A typed path longer than the entry takes is refused as typed.
    ChooseLine(editor, IDC_MENUS, 1);
    PressButton(editor, IDC_NEW_PROGRAM);
    ASSERT_TRUE(entry = DialogOwnedBy(editor));
    std::string path = "C:\\" + std::string(ITEM_PATH_SIZE - 3, 'p');
    TypeInto(entry, IDC_ENTRY_NAME, "Lang");
    TypeInto(entry, IDC_ENTRY_PATH, path);
    PressButton(entry, IDOK);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ(ENTRY_PATH_TOO_LONG_TEXT, box.text);
    EXPECT_EQ(path, WindowText(GetDlgItem(entry, IDC_ENTRY_PATH)));
    PressButton(entry, IDCANCEL);
    PressButton(editor, IDOK);
    Close(bar);
    std::vector<unsigned char> saved;
    ASSERT_TRUE(ReadFileBytes(ProfileOf(user), saved));
    std::string outline = Outline(saved);
    EXPECT_NE(std::string::npos, outline.find("&Voll\n Spiel|eins|")) << "the first one stays";
    EXPECT_EQ(std::string::npos, outline.find("zwei")) << "the second one went";
}
