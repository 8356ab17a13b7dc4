// messages_win.h: which of the bar's windows owns a box.
#pragma once
#include <windows.h>

// SetBoxOwner: boxes from now on belong to this bar's windows (null: to none).
void SetBoxOwner(HWND bar);

// EnabledBarWindow: the window of the box owner's bar the user can work in
// now: its open dialog or box (the popup active last), else the bar; null
// while neither is enabled. Boxes belong to it, and the hot key brings it to
// the front.
HWND EnabledBarWindow();
