// custom_menus_dialog_win.h: the dialog where the user edits the menus and
// their entries, working on the live menu model.
#pragma once
#include <windows.h>

// The open dialog, while it is open: a profile written meanwhile waits for it.
extern HWND customMenusDialog;

// The four arrow pictures, loaded at the first drawing and kept for the life
// of the process: up (114), down (115), up pressed (117), down pressed (116).
extern HICON arrowIcons[4];

// CustomMenusDialogProc: ends with 1 when OK was pressed, which is the only way
// out; the owner then saves the menus and rebuilds its menu bar.
INT_PTR CALLBACK CustomMenusDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// DrawArrowButton: the arrow picture of one of the four move buttons, pressed
// or not; other controls get nothing.
void DrawArrowButton(const DRAWITEMSTRUCT* item, int controlId);
