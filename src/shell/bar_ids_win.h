// bar_ids_win.h: the bar's timers, its own messages, and the names by which
// a second start finds it.
#pragma once
#include <windows.h>

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

