// bar_state_win.h: the process-wide handles of the bar shell.
#pragma once
#include <windows.h>

#include "shell/bar_state.h"

extern HINSTANCE appInstance;
extern HWND barWindowHandle;     // null until the bar window exists
extern HMENU barPopupMenu;       // the right-click popup
extern WNDCLASSA barClass;

// Start-up and shut-down stages.
int InitInstance();
int InitBar();
void ParseCommandLine();
ATOM RegisterBarClass();
void ExitBar(int afterFatalError);
void ReleaseBar();

// DeskRailMain: everything WinMain does; returns the exit code.
int DeskRailMain(HINSTANCE instance);
