// globals_win.h: the bar's Win32 handles, kept by the top floor and named at
// every use.
#pragma once
#include <windows.h>

struct GlobalHandles {
    // The menu bar on the bar window, of the last build; null before the first.
    HMENU menuBarHandle;
};

extern GlobalHandles Handles;
