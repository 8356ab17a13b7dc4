// entry_dialogs_win.h: the two small dialogs that create or edit a menu's name
// and a program entry, opened by the menu editor.
#pragma once
#include <windows.h>

#include <cstdint>

struct MenuList;
struct ProgramItem;
struct UserMenu;

// EntryDialogParams: the creation parameter of both dialogs, on the caller's
// stack while the dialog runs; on OK it names the record stored, new or not.
struct EntryDialogParams {
    ProgramItem* targetItem;  // the entry to edit; when creating, the menu's last entry (or null)
    UserMenu* targetMenu;     // the menu to rename or to receive the entry; when creating a menu, the last menu (or null)
    int32_t isNew;            // 1 when creating
    MenuList* menus;          // the list a new menu joins
};

// Both dialogs end with IDOK once they stored the record, else IDCANCEL; the
// caller shows the result in its lists.
// MenuNameDialogProc: dialog 108. A new menu joins the menu list only on OK.
INT_PTR CALLBACK MenuNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// ProgramItemDialogProc: dialog 107. A new entry joins its menu only on OK.
INT_PTR CALLBACK ProgramItemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
