// custom_menus_dialog_win.cpp: the menu editor. Every action changes
// the live menu model at once; OK ends it, and the bar then saves the menus
// and rebuilds its menu bar.
#include "editor/custom_menus_dialog_win.h"

#include <shellapi.h>

#include <cstring>
#include <new>

#include "base/messages.h"
#include "base/text.h"
#include "base/texts.h"
#include "editor/entry_dialogs_win.h"
#include "editor/menu_editing.h"
#include "menus/menu_model.h"
#include "resources/resource.h"

namespace {

// The open dialog and the menus it edits; the dialog never runs twice at once.
HWND openDialog;
MenuList* editedMenus;
// Its arrow pictures, loaded with it: up, down, up pressed, down pressed.
HICON arrowIcons[4];

LRESULT List(HWND dialog, int list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, list, message, wParam, lParam);
}

// Every line carries its record, so two records of the same name stay apart;
// a separator line carries none and stands for the entry below it.
void InsertLine(HWND dialog, int list, int line, const char* text, const void* record)
{
    LRESULT at = List(dialog, list, LB_INSERTSTRING, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
    if (at >= 0) List(dialog, list, LB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(record));
}

void* LineRecord(HWND dialog, int list, int line)
{
    LRESULT data = List(dialog, list, LB_GETITEMDATA, static_cast<WPARAM>(line));
    return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
}

int SelectedLine(HWND dialog, int list) { return static_cast<int>(List(dialog, list, LB_GETCURSEL)); }

void ListMenus(HWND dialog)
{
    List(dialog, IDC_MENUS, LB_RESETCONTENT);
    for (UserMenu* menu = editedMenus->menuListHead; menu; menu = menu->next) InsertLine(dialog, IDC_MENUS, -1, menu->name, menu);
}

void ListEntries(HWND dialog, const UserMenu* menu)
{
    List(dialog, IDC_PROGRAMS, LB_RESETCONTENT);
    if (!menu) return;
    for (ProgramItem* item = menu->items; item; item = item->next) {
        if (item->separatorBefore) InsertLine(dialog, IDC_PROGRAMS, -1, SEPARATOR_TEXT, nullptr);
        InsertLine(dialog, IDC_PROGRAMS, -1, item->name, item);
    }
}

// ShowSelectedMenu: the programs list follows the menus list's selection.
void ShowSelectedMenu(HWND dialog)
{
    int line = SelectedLine(dialog, IDC_MENUS);
    ListEntries(dialog, line == LB_ERR ? nullptr : static_cast<UserMenu*>(LineRecord(dialog, IDC_MENUS, line)));
}

// SelectedMenu: the menu of the selected line of the menus list; warns when
// no line is selected.
UserMenu* SelectedMenu(HWND dialog, int* line = nullptr)
{
    int selected = SelectedLine(dialog, IDC_MENUS);
    if (selected == LB_ERR) {
        ShowWarning(NO_MENU_SELECTED_TEXT);
        return nullptr;
    }
    if (line) *line = selected;
    return static_cast<UserMenu*>(LineRecord(dialog, IDC_MENUS, selected));
}

// SelectedEntry: the entry of the selected line of the programs list, null on
// a separator line; warns when no line is selected.
ProgramItem* SelectedEntry(HWND dialog, int* line)
{
    *line = SelectedLine(dialog, IDC_PROGRAMS);
    if (*line == LB_ERR) {
        ShowWarning(NO_ENTRY_SELECTED_TEXT);
        return nullptr;
    }
    return static_cast<ProgramItem*>(LineRecord(dialog, IDC_PROGRAMS, *line));
}

// The module the editor's dialog came from holds the entry dialogs and icons too.
HINSTANCE InstanceOf(HWND dialog) { return reinterpret_cast<HINSTANCE>(GetWindowLongA(dialog, GWL_HINSTANCE)); }

// OpenEntryDialog: true when the dialog stored its record, which params then names.
bool OpenEntryDialog(HWND dialog, int resource, DLGPROC procedure, EntryDialogParams& params)
{
    return DialogBoxParamA(InstanceOf(dialog), MAKEINTRESOURCEA(resource), dialog, procedure,
                           reinterpret_cast<LPARAM>(&params)) == IDOK;
}

// ReplaceLine: an edited record's line written anew in place.
void ReplaceLine(HWND dialog, int list, int line, const char* text, const void* record)
{
    List(dialog, list, LB_DELETESTRING, line);
    InsertLine(dialog, list, line, text, record);
}

void MenuSelected(HWND dialog)
{
    EnableWindow(GetDlgItem(dialog, IDC_DELETE_MENU), TRUE);
    ShowSelectedMenu(dialog);
}

void RenameMenu(HWND dialog)
{
    int line;
    UserMenu* menu = SelectedMenu(dialog, &line);
    if (!menu) return;
    EntryDialogParams params = {nullptr, menu, 0, editedMenus};
    if (OpenEntryDialog(dialog, IDD_MENU_NAME, MenuNameDialogProc, params))
        ReplaceLine(dialog, IDC_MENUS, line, menu->name, menu);
    List(dialog, IDC_MENUS, LB_SETCURSEL, line);
}

void EditEntry(HWND dialog)
{
    UserMenu* menu = SelectedMenu(dialog);
    if (!menu) return;
    int line = SelectedLine(dialog, IDC_PROGRAMS);
    if (line == LB_ERR) return;
    ProgramItem* entry = static_cast<ProgramItem*>(LineRecord(dialog, IDC_PROGRAMS, line));
    if (!entry) return;
    EntryDialogParams params = {entry, menu, 0, editedMenus};
    if (OpenEntryDialog(dialog, IDD_PROGRAM_ENTRY, ProgramItemDialogProc, params))
        ReplaceLine(dialog, IDC_PROGRAMS, line, entry->name, entry);
    List(dialog, IDC_PROGRAMS, LB_SETCURSEL, line);
}

void NewMenu(HWND dialog)
{
    if (!BarHasRoom(*editedMenus)) {
        ShowWarning(TOO_MANY_MENUS_TEXT);
        return;
    }
    UserMenu* last = editedMenus->menuListHead;
    while (last && last->next) last = last->next;
    EntryDialogParams params = {nullptr, last, 1, editedMenus};
    if (OpenEntryDialog(dialog, IDD_MENU_NAME, MenuNameDialogProc, params))
        InsertLine(dialog, IDC_MENUS, -1, params.targetMenu->name, params.targetMenu);
}

void NewEntry(HWND dialog)
{
    UserMenu* menu = SelectedMenu(dialog);
    if (!menu) return;
    if (!MenuHasRoom(menu)) {
        ShowWarning(MENU_FULL_TEXT);
        return;
    }
    ProgramItem* last = menu->items;
    while (last && last->next) last = last->next;
    EntryDialogParams params = {last, menu, 1, editedMenus};
    if (OpenEntryDialog(dialog, IDD_PROGRAM_ENTRY, ProgramItemDialogProc, params))
        InsertLine(dialog, IDC_PROGRAMS, -1, params.targetItem->name, params.targetItem);
}

void DeleteMenu(HWND dialog)
{
    int line;
    UserMenu* menu = SelectedMenu(dialog, &line);
    if (!menu) return;
    if (MessageBoxA(dialog, CONFIRM_DELETE_TEXT, CONFIRM_DELETE_CAPTION, MB_YESNO) == IDYES) {
        FreeUserMenu(*editedMenus, menu);
        List(dialog, IDC_MENUS, LB_DELETESTRING, line);
    }
    SetFocus(GetDlgItem(dialog, IDC_MENUS));
    List(dialog, IDC_MENUS, LB_SETCURSEL, line);
    ShowSelectedMenu(dialog);
}

void DeleteEntry(HWND dialog)
{
    UserMenu* menu = SelectedMenu(dialog);
    if (!menu) return;
    int line = SelectedLine(dialog, IDC_PROGRAMS);
    if (line == LB_ERR) {
        ShowWarning(NO_ENTRY_SELECTED_TEXT);
        return;
    }
    ProgramItem* entry = static_cast<ProgramItem*>(LineRecord(dialog, IDC_PROGRAMS, line));
    int separatorLine = entry == nullptr;
    if (separatorLine) entry = static_cast<ProgramItem*>(LineRecord(dialog, IDC_PROGRAMS, line + 1));
    if (!entry) return;
    LineDeletion deletion = DeleteMenuEntry(menu, entry, line, separatorLine);
    for (int i = 0; i < deletion.count; ++i) List(dialog, IDC_PROGRAMS, LB_DELETESTRING, deletion.first);
    SetFocus(GetDlgItem(dialog, IDC_PROGRAMS));
    List(dialog, IDC_PROGRAMS, LB_SETCURSEL, deletion.selection);
}

void PutSeparator(HWND dialog)
{
    UserMenu* menu = SelectedMenu(dialog);
    if (!menu) return;
    int line;
    ProgramItem* entry = SelectedEntry(dialog, &line);
    if (!entry || entry->separatorBefore) return;
    entry->separatorBefore = 1;
    InsertLine(dialog, IDC_PROGRAMS, line, SEPARATOR_TEXT, nullptr);
}

void MoveMenu(HWND dialog, int key)
{
    int line;
    UserMenu* menu = SelectedMenu(dialog, &line);
    if (!menu) return;
    MoveUserMenu(*editedMenus, menu, key);
    ListMenus(dialog);
    SetFocus(GetDlgItem(dialog, IDC_MENUS));
    int count = static_cast<int>(List(dialog, IDC_MENUS, LB_GETCOUNT));
    List(dialog, IDC_MENUS, LB_SETCURSEL, LineAfterMove(line, count, key));
}

void MoveEntry(HWND dialog, int key)
{
    UserMenu* menu = SelectedMenu(dialog);
    if (!menu) return;
    int line;
    ProgramItem* entry = SelectedEntry(dialog, &line);
    if (!entry) return;
    line = MoveMenuEntry(menu, entry, line, key);
    ListEntries(dialog, menu);
    SetFocus(GetDlgItem(dialog, IDC_PROGRAMS));
    int count = static_cast<int>(List(dialog, IDC_PROGRAMS, LB_GETCOUNT));
    List(dialog, IDC_PROGRAMS, LB_SETCURSEL, LineAfterMove(line, count, key));
}

void Command(HWND dialog, int id, int code)
{
    switch (id) {
    case IDC_MENUS:
        if (code == LBN_SELCHANGE) MenuSelected(dialog);
        if (code == LBN_DBLCLK) RenameMenu(dialog);
        break;
    case IDC_PROGRAMS:
        if (code == LBN_SELCHANGE) {
            EnableWindow(GetDlgItem(dialog, IDC_DELETE_ENTRY), TRUE);
            EnableWindow(GetDlgItem(dialog, IDC_SEPARATOR), TRUE);
        }
        if (code == LBN_DBLCLK) EditEntry(dialog);
        break;
    case IDC_NEW_MENU:
        NewMenu(dialog);
        break;
    case IDC_NEW_PROGRAM:
        NewEntry(dialog);
        break;
    case IDC_DELETE_MENU:
        DeleteMenu(dialog);
        break;
    case IDC_DELETE_ENTRY:
        DeleteEntry(dialog);
        break;
    case IDC_SEPARATOR:
        PutSeparator(dialog);
        break;
    case IDC_MENU_UP:
        MoveMenu(dialog, MOVE_UP);
        break;
    case IDC_MENU_DOWN:
        MoveMenu(dialog, MOVE_DOWN);
        break;
    case IDC_ENTRY_UP:
        MoveEntry(dialog, MOVE_UP);
        break;
    case IDC_ENTRY_DOWN:
        MoveEntry(dialog, MOVE_DOWN);
        break;
    case IDOK:
        EndDialog(dialog, 1);
        break;
    default:
        // Esc included: every change is kept, so only OK ends the dialog.
        break;
    }
}

// DropFiles: the files dropped onto the menus list join the menu under the
// drop point, the last file first.
void DropFiles(HWND dialog, HDROP drop)
{
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    POINT point = {0, 0};
    DragQueryPoint(drop, &point);
    RECT first = {0, 0, 0, 0};
    int height = 0;
    if (List(dialog, IDC_MENUS, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)) != LB_ERR)
        height = first.bottom - first.top;
    int top = static_cast<int>(List(dialog, IDC_MENUS, LB_GETTOPINDEX));
    int line = DropTargetLine(point.y, height, top);
    UserMenu* target = MenuAtLine(*editedMenus, line);
    if (target && count > 0) {
        bool full = false;
        for (UINT k = count; k-- > 0;) {
            UINT length = DragQueryFileA(drop, k, nullptr, 0);
            char* file = new (std::nothrow) char[length + 1];
            if (!file) {
                ShowWarning(OUT_OF_MEMORY_TEXT);
                break;
            }
            file[0] = '\0';
            DragQueryFileA(drop, k, file, length + 1);
            DropResult result = AddDroppedFile(target, file);
            if (result == DROP_PATH_TOO_LONG) {
                char text[sizeof PATH_TOO_LONG_FORMAT + MAX_PATH];
                FormatTextN(text, sizeof text, PATH_TOO_LONG_FORMAT, file);
                ShowWarning(text);
            }
            delete[] file;
            full = full || result == DROP_MENU_FULL;
            if (result == DROP_NO_MEMORY) {
                ShowWarning(OUT_OF_MEMORY_TEXT);
                break;
            }
        }
        if (full) ShowWarning(MENU_FULL_TEXT);
        List(dialog, IDC_MENUS, LB_SETCURSEL, line);
        ShowSelectedMenu(dialog);
        SetFocus(GetDlgItem(dialog, IDC_MENUS));
    }
    DragFinish(drop);
}

void InitDialog(HWND dialog, MenuList* menus)
{
    openDialog = dialog;
    editedMenus = menus;
    static const WORD ICON_IDS[4] = {IDI_ARROW_UP, IDI_ARROW_DOWN, IDI_ARROW_UP_PRESSED, IDI_ARROW_DOWN_PRESSED};
    for (int i = 0; i < 4; ++i)
        arrowIcons[i] = static_cast<HICON>(LoadImageA(InstanceOf(dialog), MAKEINTRESOURCEA(ICON_IDS[i]), IMAGE_ICON, 16, 16, 0));
    ListMenus(dialog);
    DragAcceptFiles(GetDlgItem(dialog, IDC_MENUS), TRUE);
    EnableWindow(GetDlgItem(dialog, IDC_DELETE_MENU), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_DELETE_ENTRY), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_SEPARATOR), FALSE);
}

void CloseDialog()
{
    openDialog = nullptr;
    editedMenus = nullptr;
    for (HICON& icon : arrowIcons) {
        DestroyIcon(icon);
        icon = nullptr;
    }
}

// DrawArrowButton: the arrow picture of one of the four move buttons, pressed
// or not; other controls get nothing.
void DrawArrowButton(const DRAWITEMSTRUCT* item, int controlId)
{
    int pressed = (item->itemState & ODS_SELECTED) != 0;
    HICON icon;
    switch (controlId) {
    case IDC_MENU_UP:
    case IDC_ENTRY_UP:
        icon = arrowIcons[pressed ? 2 : 0];
        break;
    case IDC_MENU_DOWN:
    case IDC_ENTRY_DOWN:
        icon = arrowIcons[pressed ? 3 : 1];
        break;
    default:
        return;
    }
    DrawIconEx(item->hDC, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
}

}  // namespace

bool MenuEditorOpen() { return openDialog != nullptr; }

INT_PTR CALLBACK CustomMenusDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog, reinterpret_cast<MenuList*>(lParam));
        return TRUE;
    case WM_DESTROY:
        CloseDialog();
        return FALSE;
    case WM_COMMAND:
        Command(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        DrawArrowButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), static_cast<int>(wParam));
        return TRUE;
    case WM_DROPFILES:
        DropFiles(dialog, reinterpret_cast<HDROP>(wParam));
        return TRUE;
    }
    return FALSE;
}
