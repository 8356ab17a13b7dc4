// options_dialog_win.h: the Options dialog, where every check box acts at once.
#pragma once
#include <windows.h>

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
