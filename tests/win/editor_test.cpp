// The editor's dialogs in this process, with what cannot come from another one: a drop handle, made here
// as the shell makes it, and the system's file dialog, answered by a thread of the test as the user would.
#include <gtest/gtest.h>
#include <shlobj.h>


#include "base/texts.h"
#include "editor/custom_menus_dialog_win.h"
#include "editor/entry_dialogs_win.h"
#include "menus/menu_numbering.h"
#include "model_builders.h"
#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "win_driver.h"

TEST(Editor, DroppedFilesJoinTheMenuUnderThePointLastFirst)
{
    TestMenus menus;
    AddMenu(menus, "");
    UserMenu* target = AddMenu(menus, "");
    for (int i = 1; i < MENU_ENTRY_LIMIT; ++i) AddEntry(target, "");  // room for one more
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CUSTOM_MENUS), nullptr, CustomMenusDialogProc, LPARAM(&menus));
    HWND list = GetDlgItem(dialog, IDC_MENUS);
    RECT line = {};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    const std::string deep = "C:\\" + std::string(130, 'o') + "\\TIEF.EXE";
    const std::string files = "C:\\A\\EINS.EXE|C:\\B\\ZWEI.EXE|" + deep + "||";  // '|': the terminators
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + files.size());
    DROPFILES* header = static_cast<DROPFILES*>(GlobalLock(drop));
    *header = DROPFILES{sizeof(DROPFILES), {5, line.top + 3}, FALSE, FALSE};
    char* names = reinterpret_cast<char*>(header + 1);
    for (char c : files) *names++ = c == '|' ? '\0' : c;
    GlobalUnlock(drop);
    driver::BoxWatcher boxes;
    SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);

    driver::Lines added, warnings = boxes.Texts();
    for (ProgramItem* item = target->items; item; item = item->next)
        if (item->name[0]) added.push_back(item->name);
    EXPECT_EQ(driver::Lines{"Zwei"}, added);
    EXPECT_EQ((driver::Lines{"Der Pfad ist zu lang, die Datei wird nicht aufgenommen:\n" + deep,
                     "Ein Menü kann höchstens 99 Einträge aufnehmen."}), warnings);
    EXPECT_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(0u, GlobalSize(drop)) << "the drop handle is given back";
    EXPECT_TRUE(MenuEditorOpen() && DestroyWindow(dialog) && !MenuEditorOpen()) << "a profile written meanwhile waits, no longer";
}

TEST(Editor, FileChosenInTheFileDialogFillsTheFieldOfItsKind)
{
    driver::TempDir dir;
    ProgramItem item = {};
    EntryDialogParams entry = {&item, nullptr, 0, nullptr};
    OptionsDialogRecord options = {};
    const struct { int dialog; DLGPROC procedure; LPARAM parameter; int browse, field; const char *title, *filter, *file; }
        kinds[] = {
            {IDD_OPTIONS, OptionsDialogProc, reinterpret_cast<LPARAM>(&options), IDC_BROWSE_SOUND, IDC_CHIME_SOUND, WAV_BROWSE_TITLE, WAV_FILTER, ".wav"},
            {IDD_PROGRAM_ENTRY, ProgramItemDialogProc, reinterpret_cast<LPARAM>(&entry), IDC_ENTRY_BROWSE,
             IDC_ENTRY_PATH, PROGRAM_BROWSE_TITLE, PROGRAM_FILTER, ".exe"}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.title);
        std::string file = dir.File(std::string(90, 'l') + k.file), title;  // longer than any field of old
        char filter[64] = "", field[MAX_PATH] = "";
        ASSERT_TRUE(driver::WriteFileBytes(file, {'x'}));
        HWND owner = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(k.dialog), nullptr, k.procedure, k.parameter);
        std::thread user([&] {
            HWND box = driver::DialogOwnedBy(owner);
            title = driver::WindowText(box);
            SendDlgItemMessageA(box, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
            SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(file.c_str()));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(owner, WM_COMMAND, k.browse, 0);
        user.join();
        EXPECT_EQ(k.title, title);
        EXPECT_STREQ(k.filter, filter) << "the first filter's name";
        GetDlgItemTextA(owner, k.field, field, sizeof field);
        EXPECT_EQ(0, lstrcmpiA(file.c_str(), field)) << field;
        DestroyWindow(owner);
    }
}
