// startup_win.h: start-up in its fixed order, the message loop, and the end.
#pragma once
#include <windows.h>

int InitInstance();
struct ParsedArguments;
void ReadCommandLine(ParsedArguments& parsed);
void ShowArgumentWarnings(const ParsedArguments& parsed);
// ActOnRunningBar: what a second start does instead of running: hands its
// switches to the running bar once its window exists, or says that the bar
// runs for another user.
void ActOnRunningBar(const ParsedArguments& parsed);
int InitBar(WNDPROC procedure);
void ExitBar(bool afterFatalError);
// SaveProfileOrWarn: SaveProfile with the write-failed warning.
void SaveProfileOrWarn();
// FatalError: the fatal box, then release without saving; start-up stops.
void FatalError(const char* text);
// DeskRailMain: everything WinMain does; returns the exit code.
int DeskRailMain(HINSTANCE instance, WNDPROC procedure);
