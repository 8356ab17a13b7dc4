// shell_win.h: the top floor's state and its stages: start-up, the bar
// window, docking with the shell, and the end.
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

// The bar shell's state.
extern HMENU barPopupMenu;       // the right-click popup
extern WNDCLASSA barClass;
extern APPBARDATA dockData;      // the record of every app-bar message
extern bool autoHideTimerSet;    // the auto-hide poll runs
extern UINT taskbarCreatedMessage;  // a restarted shell broadcasts it

// Start-up and shut-down stages.
int InitInstance();
int InitBar();
void ParseCommandLine();
ATOM RegisterBarClass();
void ExitBar(bool afterFatalError);
// SaveProfileOrWarn: SaveProfile with the write-failed warning.
void SaveProfileOrWarn();
void ReleaseBar();
// FatalError: the fatal box, then release without saving; start-up stops.
void FatalError(const char* text);
// DeskRailMain: everything WinMain does; returns the exit code.
int DeskRailMain(HINSTANCE instance);

// The bar window.
int CreateBarWindow();
LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
UINT_PTR StartStatusTimer();
// RebuildMenuBar: the menu bar anew from the menus, with the status text.
void RebuildMenuBar();

// Docking with the shell and on the screen.
UINT_PTR RegisterWithShell();
void ReserveStrip();
// ReserveStripInPlace: as ReserveStrip, for a bar already moved to its edge.
void ReserveStripInPlace();
void ReleaseStrip();
UINT_PTR SetShellAutoHide(bool on);
UINT_PTR SetShellAutoHideAt(UINT edge, bool on);
void DockWithShell();
void UnregisterFromShell();
void MoveToEdge();
void ApplyAlwaysOnTop();
void SlideBar(bool hide);
void AnimateBar(int32_t target);
// FollowDisplayChange: the bar at its edge of the new screen, reserving its
// strip there or waiting at its hidden position.
void FollowDisplayChange();
// TaskbarRestarted: a new shell knows no app bars: register as at start-up.
void TaskbarRestarted();
// ChangeAutoHide, ChangeEdge: the Options dialog's requests; false when the
// shell refused.
bool ChangeAutoHide();
bool ChangeEdge();
