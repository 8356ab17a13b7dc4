// process_state_win.h: the process-wide handles every floor may need: the
// program's module, and the bar window that owns boxes and carries the menus.
#pragma once
#include <windows.h>

#include "base/process_state.h"

extern HINSTANCE appInstance;
extern HWND barWindowHandle;  // null until the bar window exists

// EnabledBarWindow: the bar's window the user can work in now: its open
// dialog or box (the popup active last), else the bar; null while neither is
// enabled. Boxes belong to it, and the hot key brings it to the front.
HWND EnabledBarWindow();
