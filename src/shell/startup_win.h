// startup_win.h: start-up in its fixed order, the message loop, and the end.
#pragma once
#include <windows.h>

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
