// messages.h: the two message boxes every part of the program uses.
#pragma once

// ShowWarning: caption "DeskRail", exclamation icon, one OK button, owned by
// the bar's window that is enabled now (the open dialog, else the bar), so
// that nothing under it can be used while it shows.
int ShowWarning(const char* text);

// LoadDialogControls: with the manifest's common controls 6, boxes and dialogs
// use classes that only the loaded COMCTL32 registers, and the first releases
// of XP do not load it on demand. Loaded at run time, before the first box or
// dialog rather than at start, it costs a start-up nothing and adds no import.
void LoadDialogControls();

// ShowFatalBox: the box of an error that stops the bar; the caller then
// releases everything without saving.
void ShowFatalBox(const char* text);
