// custom_menus_dialog_win.h: the dialog where the user edits the menus and
// their entries, working on the live menu model.
#pragma once
#include <windows.h>

// CustomMenusDialogProc: the creation parameter is the MenuList it edits.
// Ends with 1 when OK was pressed, which is the only way out; the owner then
// saves the menus and rebuilds its menu bar.
INT_PTR CALLBACK CustomMenusDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// MenuEditorOpen: the dialog is open; a profile written meanwhile waits for it.
bool MenuEditorOpen();
