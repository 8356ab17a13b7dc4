// entry_dialogs_win.cpp: the menu-name and program-entry dialogs. On OK each
// stores its record, a new one joining the menu list it was given; the editor
// then shows it.
#include "editor/entry_dialogs_win.h"

#include <cstring>

#include "base/file_dialog_win.h"
#include "base/messages.h"
#include "base/text.h"
#include "base/texts.h"
#include "editor/menu_editing.h"
#include "menus/menu_model.h"
#include "resources/resource.h"

namespace {

// What each dialog keeps while it is open; the dialogs never run twice at once.
struct MenuNameState {
    EntryDialogParams* params;
    UserMenu* menu;
    int isNew;
    MenuList* menus;
} menuName;

struct ProgramItemState {
    EntryDialogParams* params;
    ProgramItem* item;
    int isNew;
    UserMenu* menu;  // receives a new entry
} programItem;

// ReadField: the edit's text, cut to the field it goes into.
template <size_t N>
void ReadField(HWND dialog, int id, char (&field)[N])
{
    field[0] = '\0';
    GetDlgItemTextA(dialog, id, field, static_cast<int>(N));
}

BOOL InitMenuName(HWND dialog, EntryDialogParams* params)
{
    menuName.params = params;
    menuName.isNew = params->isNew;
    menuName.menu = params->targetMenu;
    menuName.menus = params->menus;
    if (menuName.isNew) {
        menuName.menu = CreateUserMenu();
        if (!menuName.menu) {
            ShowWarning(OUT_OF_MEMORY_TEXT);
            EndDialog(dialog, IDCANCEL);
            return FALSE;
        }
    }
    SetFocus(GetDlgItem(dialog, IDC_MENU_NAME));
    SetDlgItemTextA(dialog, IDC_MENU_NAME, menuName.menu->name);
    return FALSE;
}

void StoreMenuName(HWND dialog)
{
    char name[MENU_NAME_SIZE];
    ReadField(dialog, IDC_MENU_NAME, name);
    if (!name[0]) {
        ShowWarning(NO_MENU_NAME_TEXT);
        return;
    }
    StoreText(menuName.menu->name, name);
    // Linked only now: a save while the dialog was open kept the menus as they were.
    if (menuName.isNew) AppendUserMenu(*menuName.menus, menuName.menu);
    menuName.params->targetMenu = menuName.menu;
    EndDialog(dialog, IDOK);
}

int ShowCommandButton(int showCommand)
{
    if (showCommand == SW_SHOWMAXIMIZED) return IDC_SHOW_MAXIMIZED;
    if (showCommand == SW_MINIMIZE) return IDC_SHOW_MINIMIZED;
    return IDC_SHOW_NORMAL;
}

BOOL InitProgramItem(HWND dialog, EntryDialogParams* params)
{
    programItem.params = params;
    programItem.isNew = params->isNew;
    programItem.item = params->targetItem;
    programItem.menu = nullptr;
    if (programItem.isNew) {
        programItem.menu = params->targetMenu;
        programItem.item = CreateProgramItem();
        if (!programItem.item) {
            ShowWarning(OUT_OF_MEMORY_TEXT);
            EndDialog(dialog, IDCANCEL);
            return FALSE;
        }
    }
    ProgramItem* item = programItem.item;
    CheckRadioButton(dialog, IDC_SHOW_NORMAL, IDC_SHOW_MINIMIZED, ShowCommandButton(item->showCommand));
    SetDlgItemTextA(dialog, IDC_ENTRY_PATH, item->path);
    SetDlgItemTextA(dialog, IDC_ENTRY_NAME, item->name);
    SetDlgItemTextA(dialog, IDC_ENTRY_DIRECTORY, item->workingDirectory);
    SetDlgItemTextA(dialog, IDC_ENTRY_PARAMETERS, item->parameters);
    SetFocus(GetDlgItem(dialog, IDC_ENTRY_NAME));
    return FALSE;
}

void StoreProgramItem(HWND dialog)
{
    // Paths are read with room to spare: one cut to its field would name another file.
    char path[ITEM_PATH_SIZE + 1], name[ITEM_NAME_SIZE];
    char parameters[ITEM_PARAMETERS_SIZE], directory[ITEM_DIRECTORY_SIZE + 1];
    ReadField(dialog, IDC_ENTRY_PATH, path);
    ReadField(dialog, IDC_ENTRY_NAME, name);
    if (!path[0] || !name[0]) {
        ShowWarning(NO_NAME_OR_PATH_TEXT);
        return;
    }
    ReadField(dialog, IDC_ENTRY_PARAMETERS, parameters);
    ReadField(dialog, IDC_ENTRY_DIRECTORY, directory);
    if (std::strlen(path) >= ITEM_PATH_SIZE || std::strlen(directory) >= ITEM_DIRECTORY_SIZE) {
        ShowWarning(std::strlen(path) >= ITEM_PATH_SIZE ? ENTRY_PATH_TOO_LONG_TEXT : ENTRY_DIRECTORY_TOO_LONG_TEXT);
        return;
    }
    ProgramItem* item = programItem.item;
    StoreText(item->path, path);
    StoreText(item->name, name);
    StoreText(item->parameters, parameters);
    StoreText(item->workingDirectory, directory);
    if (!item->workingDirectory[0])
        DeriveWorkingDirectory(item->path, item->workingDirectory, sizeof item->workingDirectory);
    if (IsDlgButtonChecked(dialog, IDC_SHOW_NORMAL) == BST_CHECKED)
        item->showCommand = SW_RESTORE;
    else if (IsDlgButtonChecked(dialog, IDC_SHOW_MAXIMIZED) == BST_CHECKED)
        item->showCommand = SW_SHOWMAXIMIZED;
    else if (IsDlgButtonChecked(dialog, IDC_SHOW_MINIMIZED) == BST_CHECKED)
        item->showCommand = SW_MINIMIZE;
    // The caller passes the menu's last entry, so this links it behind that one.
    if (programItem.isNew) AppendProgramItem(programItem.menu, item);
    programItem.params->targetItem = item;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK MenuNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) return InitMenuName(dialog, reinterpret_cast<EntryDialogParams*>(lParam));
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        StoreMenuName(dialog);
        break;
    case IDCANCEL:
        // Never linked: freeing it leaves the menus as they were.
        if (menuName.isNew) FreeUserMenu(*menuName.menus, menuName.menu);
        menuName.isNew = 0;
        EndDialog(dialog, IDCANCEL);
        break;
    }
    return TRUE;
}

INT_PTR CALLBACK ProgramItemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) return InitProgramItem(dialog, reinterpret_cast<EntryDialogParams*>(lParam));
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        StoreProgramItem(dialog);
        break;
    case IDCANCEL:
        // Never linked: freeing it leaves the menu as it was.
        if (programItem.isNew) FreeProgramItem(programItem.item);
        programItem.isNew = 0;
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_ENTRY_BROWSE: {
        char path[BROWSED_PATH_SIZE];
        if (!BrowseForFile(BROWSE_PROGRAM, dialog, path)) break;
        SendMessageA(GetDlgItem(dialog, IDC_ENTRY_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
        SetFocus(GetDlgItem(dialog, IDOK));
        break;
    }
    }
    return TRUE;
}
