// shell_state_win.h: the top floor's state: the popup and window class,
// the app-bar record, and the bar's timers.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "status/status_line_win.h"

enum : UINT_PTR {
    FOREGROUND_TIMER_ID = 0xC000,  // the look for full-screen windows where no events come
    ALIGN_TIMER_ID = 0xD000,
    STATUS_TIMER_ID = 0xE000,
    AUTOHIDE_TIMER_ID = 0xF000,
};

enum : UINT {
    BAR_CALLBACK_MESSAGE = WM_APP + 16,  // the shell's ABN_ notifications, the bar's registration asks for
    ACTIVE_WINDOW_CHANGED_MESSAGE,       // posted by the look: another active window, or it moved or changed size
};

// How a second start finds the running bar.
inline constexpr char BAR_CLASS_NAME[] = "DRClass";
inline constexpr char BAR_TITLE[] = "DeskRail";
// Held from the first step of a start to the end of the process.
inline constexpr char BAR_MUTEX_NAME[] = "DeskRailBarRuns";

extern HMENU barPopupMenu;          // the right-click popup
extern WNDCLASSA barClass;
extern APPBARDATA dockData;         // the record of every app-bar message
extern bool autoHideTimerSet;       // the auto-hide poll runs
extern UINT taskbarCreatedMessage;  // a restarted shell broadcasts it
extern UINT profileWrittenMessage;  // deskrail-profile broadcasts it

// BarStatus: what the status line needs of the bar and the run, now.
StatusScene BarStatus();
