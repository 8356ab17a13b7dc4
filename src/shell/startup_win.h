// startup_win.h: start-up in its fixed order, the message loop, and the end.
#pragma once
#include <windows.h>

int InitInstance();
// ActOnRunningBar: what a second start does instead of running: brings the
// running bar to the top once its window exists.
void ActOnRunningBar();
// ReloadWrittenProfile: the menus read again when another program wrote this
// bar's profile.
void ReloadWrittenProfile();
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
