// bar_window_win.h: the bar window, its procedure and its docking with the shell.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>

enum : UINT_PTR {
    ALIGN_TIMER_ID = 0xD000,
    STATUS_TIMER_ID = 0xE000,
    AUTOHIDE_TIMER_ID = 0xF000,
};

// The shell's app-bar message function; tests put a shell of their own here.
typedef UINT_PTR(WINAPI* AppBarMessageFunction)(DWORD message, PAPPBARDATA data);
extern AppBarMessageFunction appBarMessage;

extern APPBARDATA dockData;
extern int32_t barShown;           // 1 in view, 0 at the hidden position
extern UINT_PTR autoHideTimerSet;  // the auto-hide poll runs

int CreateBarWindow();
LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
UINT_PTR StartStatusTimer();

// Docking with the shell and on the screen.
UINT_PTR RegisterWithShell();
void ReserveStrip();
// ReserveStripInPlace: as ReserveStrip, for a bar already moved to its edge.
void ReserveStripInPlace();
void ReleaseStrip();
UINT_PTR SetShellAutoHide(int on);
void UnregisterFromShell();
void MoveToEdge();
void ApplyAlwaysOnTop();
void SlideBar(int hide);
void AnimateBar(int32_t target);
