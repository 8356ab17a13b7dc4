// messages.h: the two message boxes every part of the program uses.
// Defined in messages_win.cpp; the native test build records them instead.
#pragma once

// ShowWarning: caption "DeskRail", exclamation icon, one OK button, owned by
// the bar window once it exists.
int ShowWarning(const char* text);

// FatalError: the fatal box, then release without saving. Returns to the
// caller, which must not go on with the failed work.
void FatalError(const char* text);
