// The editor's dialogs in this process, with what cannot come from another one: a drop handle, made here
// as the shell makes it, and the system's file dialog, answered by a thread of the test as the user would.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <cstring>
#include <thread>

#include "base/process_state_win.h"
#include "base/text.h"
#include "base/texts.h"
#include "editor/custom_menus_dialog_win.h"
#include "editor/entry_dialogs_win.h"
#include "editor/menu_editing.h"
#include "menus/menu_model.h"
#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "win_driver.h"

using Lines = std::vector<std::string>;
using namespace driver;

TEST(Editor, DroppedFilesJoinTheMenuUnderThePointLastFirst)
{
    appInstance = GetModuleHandleA(nullptr);
    const int entries[] = {1, 0, MENU_ENTRY_LIMIT - 1};
    for (int count : entries) {  // nameless: what is added has a name
        UserMenu* menu = CreateUserMenu();
        for (AppendUserMenu(menu); count-- > 0;) AppendProgramItem(menu, CreateProgramItem());
    }
    HWND dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_CUSTOM_MENUS), nullptr, CustomMenusDialogProc, 0);
    HWND list = GetDlgItem(dialog, IDC_MENUS);
    RECT line = {};
    SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));
    std::string deep = "C:\\" + std::string(130, 'o') + "\\TIEF.EXE";
    char tooLong[400];
    FormatTextN(tooLong, sizeof tooLong, PATH_TOO_LONG_FORMAT, deep.c_str());
    const struct { int line; Lines files, added, warnings; } drops[] = {
        {1, {"C:\\A\\EINS.EXE", deep, "C:\\B\\ZWEI.EXE"}, {"Zwei", "Eins"}, {tooLong}},
        {2, {"C:\\X.EXE", "C:\\Y.EXE", "C:\\Z.EXE"}, {"Z"}, {MENU_FULL_TEXT}},
    };
    BoxWatcher boxes;
    for (const auto& d : drops) {
        SCOPED_TRACE(d.line);
        size_t size = sizeof(DROPFILES) + 1;
        for (const std::string& file : d.files) size += file.size() + 1;
        HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        DROPFILES* files = static_cast<DROPFILES*>(GlobalLock(drop));
        *files = DROPFILES{sizeof(DROPFILES), {5, d.line * (line.bottom - line.top) + 3}, FALSE, FALSE};
        char* at = reinterpret_cast<char*>(files + 1);
        for (const std::string& file : d.files) at = std::strcpy(at, file.c_str()) + file.size() + 1;
        GlobalUnlock(drop);
        SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);

        UserMenu* target = MenuAtLine(d.line);
        Lines added, warnings;
        for (ProgramItem* item = target->items; item; item = item->next)
            if (item->name[0]) added.push_back(item->name);
        for (const Box& box : boxes.Take()) warnings.push_back(box.text);
        EXPECT_EQ(d.added, added);
        EXPECT_EQ(d.warnings, warnings);
        EXPECT_EQ(d.line, SendMessageA(list, LB_GETCURSEL, 0, 0));
        EXPECT_EQ(0u, GlobalSize(drop)) << "the drop handle is given back";
    }
    EXPECT_EQ(1, menuListHead->itemCount);
    DestroyWindow(dialog);
    FreeAllUserMenus();
}

TEST(Editor, FileChosenInTheFileDialogFillsTheFieldOfItsKind)
{
    appInstance = GetModuleHandleA(nullptr);
    TempDir dir;
    ProgramItem item = {};
    EntryDialogParams entry = {&item, nullptr, 0};
    const struct { int dialog; DLGPROC procedure; LPARAM parameter; int browse, field; const char *title, *filter, *file; }
        kinds[] = {
            {IDD_OPTIONS, OptionsDialogProc, 0, IDC_BROWSE_SOUND, IDC_CHIME_SOUND, WAV_BROWSE_TITLE, WAV_FILTER, "a.wav"},
            {IDD_PROGRAM_ENTRY, ProgramItemDialogProc, reinterpret_cast<LPARAM>(&entry), IDC_ENTRY_BROWSE,
             IDC_ENTRY_PATH, PROGRAM_BROWSE_TITLE, PROGRAM_FILTER, "a.exe"}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.title);
        std::string file = dir.File(k.file), title;
        char filter[64] = "", field[MAX_PATH] = "";
        ASSERT_TRUE(WriteFileBytes(file, {'x'}));
        HWND owner = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(k.dialog), nullptr, k.procedure, k.parameter);
        std::thread user([&] {
            HWND box = nullptr;
            WaitFor([&] {
                while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) && GetWindow(box, GW_OWNER) != owner) {}
                return box != nullptr;
            });
            title = WindowText(box);
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
