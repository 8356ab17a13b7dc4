// process_state_win.h: the process-wide handles every floor may need: the
// program's module, and the bar window that owns boxes and carries the menus.
#pragma once
#include <windows.h>

#include "base/process_state.h"

extern HINSTANCE appInstance;
extern HWND barWindowHandle;  // null until the bar window exists
