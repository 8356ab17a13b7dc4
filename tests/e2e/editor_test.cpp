// Editor, profile, launch: the menu editor driven from outside, the profile it saves, and an
// entry picked from the rebuilt menu bar starting its program (record_launch.cpp writes how).
#include "resources/resource.h"
#include "win_bar_fixture.h"

using namespace driver;

class Editor : public BarTest {};

TEST_F(Editor, EditedMenusAreSavedAndTheRebuiltMenuBarStartsWhatEachEntryHolds)
{
    // A program whose name has umlauts, as a Windows user names files.
    std::string helper = dir.File("Brief an Jürgen.exe"), record = dir.File("record.txt");
    ASSERT_TRUE(MoveFileA(Copy("record_launch.exe", dir.Path()).c_str(), helper.c_str()));
    SetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", record.c_str());  // the bar passes it on
    std::string user = UserWith("e2e_editor", Defaults(false)), work = dir.File("Arbeit");
    ASSERT_TRUE(CreateDirectoryA(work.c_str(), nullptr));
    // The first menu holds 101 entries, as another tool may write it; the second one entry for the helper.
    std::string full = "menu \"&Voll\"\n", rest = "menu \"&Rest\"\n entry \"&Zähler\"\n  path \"" + helper +
        "\"\n  directory \"" + work + "\"\n  parameters \"eins \\x22zwei drei\\x22\"\n  show " + std::to_string(SW_MINIMIZE) + "\n";
    for (int e = 1; e <= 101; ++e) full += " entry \"x\"\n  path \"eins\"\n";
    const Bytes before = ProfileBytes("deskrail-profile 103\n" + full + rest);
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), before));
    BarProcess bar;
    HWND window = Start(bar, user, {MENU_BAR_FULL_TEXT});
    PostMessageA(window, WM_COMMAND, IDM_MENUS, 0);
    HWND editor = DialogOwnedBy(window), name;
    ASSERT_TRUE(editor);
    // A warning belongs to the editor: neither it nor the bar can be used under the warning, the
    // bar not after it either, and meanwhile the bar's popup opens no second editor.
    PressButton(editor, IDC_NEW_PROGRAM);
    Box box;
    ASSERT_TRUE(ShownBox(bar.Id(), box));
    EXPECT_EQ(NO_MENU_SELECTED_TEXT, box.text);
    EXPECT_TRUE(GetWindow(box.window, GW_OWNER) == editor && !IsWindowEnabled(editor));
    PostMessageA(window, WM_COMMAND, IDM_MENUS, 0);
    EXPECT_FALSE(WaitFor([&] { return TopWindows(bar.Id(), "#32770").size() > 2; }, 500)) << "a second editor";
    PressOk(box);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(editor); }) && !IsWindowEnabled(window));

    // A logoff while a new menu waits for its name saves the menus without it.
    PressButton(editor, IDC_NEW_MENU);
    ASSERT_TRUE(name = DialogOwnedBy(editor));
    DWORD_PTR ignored;
    Bytes saved;
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), saved) && saved == before);
    SetDlgItemTextA(name, IDC_MENU_NAME, "&Werkzeüge");
    PressButton(name, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(name); })) << "a dialog still open would take the next command";
    ASSERT_TRUE(WaitFor([&] { return ListOf(editor, IDC_MENUS) == Lines{"&Voll", "&Rest", "&Werkzeüge"}; }));
    ChooseLine(editor, IDC_MENUS, 1);
    PressButton(editor, IDC_MENU_UP);
    ASSERT_TRUE(WaitFor([&] { return ListOf(editor, IDC_MENUS) == Lines{"&Rest", "&Voll", "&Werkzeüge"}; }));
    PressButton(editor, IDOK);
    Bytes edited = ProfileBytes("deskrail-profile 103\n" + rest + full + "menu \"&Werkzeüge\"\n");
    EXPECT_TRUE(WaitFor([&] { return ReadFileBytes(ProfileOf(user), saved) && saved == edited; })) << "saved on OK";
    // The moved menu's entry is now the first menu's first: it starts in its folder, with its parameters and show command.
    PostMessageA(window, WM_COMMAND, 101, 0);
    Bytes started;
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(record, started); })) << "the entry started nothing";
    EXPECT_EQ("eins|zwei drei|\n" + work + "\n" + std::to_string(SW_MINIMIZE) + "\n",
              std::string(started.begin(), started.end()));
    EXPECT_TRUE(bar.ExpectNoBox());
    // The frame painted when the bar is activated keeps the status text.
    HWND elsewhere = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300, 9, 9, 0, 0, 0, 0);
    for (HWND active : {elsewhere, window}) SetForegroundWindow(active), Sleep(300);
    EXPECT_TRUE(GetForegroundWindow() == window && StatusDrawn(window)) << "no status text after an activation";
    DestroyWindow(elsewhere);
    const Bytes outside = ProfileBytes("deskrail-profile 103\nmenu \"&Anders\"\n");  // another program writes
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), outside));
    Close(bar);
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), saved) && saved == outside) << "menus unchanged since the save are not written";
}
