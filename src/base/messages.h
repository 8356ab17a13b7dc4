// messages.h: the two message boxes every part of the program uses.
#pragma once

// ShowWarning: caption "DeskRail", exclamation icon, one OK button, owned by
// the bar window once it exists.
int ShowWarning(const char* text);

// ShowFatalBox: the box of an error that stops the bar; the caller then
// releases everything without saving.
void ShowFatalBox(const char* text);
