// globals_win.h: the bar's Win32 handles, kept by the top floor and named at
// every use.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "menus/profile_file.h"
#include "status/status_line_win.h"

struct GlobalHandles {
    HINSTANCE appInstance;
    HWND barWindowHandle;  // null until the bar window exists
    // The menu bar on the bar window, of the last build; null before the first.
    HMENU menuBarHandle;
    HMENU barPopupMenu;  // the right-click popup
    WNDCLASSA barClass;
    APPBARDATA dockData;  // the record of every app-bar message
    // Registered messages: a restarted shell broadcasts the one,
    // deskrail-profile the other.
    UINT taskbarCreatedMessage;
    UINT profileWrittenMessage;
};

extern GlobalHandles Handles;

// BarStatus: what the status text needs of the bar and the run, now.
StatusScene BarStatus();
// BarProfile: where this run's profile lies.
ProfilePlace BarProfile();
