// bar_messages_win.h: the bar window procedure, which answers the user, the
// shell, the system and a second start.
#pragma once
#include <windows.h>

#include "settings/options_dialog_win.h"

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// barAnswers: what the bar does for the Options dialog's boxes.
extern const BarAnswers barAnswers;
