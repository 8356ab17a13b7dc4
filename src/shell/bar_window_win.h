// bar_window_win.h: the bar window procedure and what it starts.
#pragma once
#include <windows.h>

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
UINT_PTR StartStatusTimer();
// RebuildMenuBar: the menu bar anew from the menus, with the status text.
void RebuildMenuBar();
// FollowMenuRows: the bar takes the height of the rows its titles now need,
// with its strip or hidden place once shown.
void FollowMenuRows();
