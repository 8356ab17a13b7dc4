// bar_window_win.h: the bar window, its procedure and its docking with the shell.
#pragma once
#include <windows.h>
#include <shellapi.h>

enum : UINT_PTR {
    ALIGN_TIMER_ID = 0xD000,
    STATUS_TIMER_ID = 0xE000,
    AUTOHIDE_TIMER_ID = 0xF000,
};

extern APPBARDATA dockData;

int CreateBarWindow();
LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

UINT_PTR SetShellAutoHide(int on);
void UnregisterFromShell();
