// file_dialog_win.h: the system's file-open dialog for a program or a WAV file.
#pragma once
#include <windows.h>

enum { BROWSE_PROGRAM = 0, BROWSE_WAV = 1 };

// BrowseForFile: kind BROWSE_PROGRAM puts the chosen path into the owner's
// entry path field, any other kind into its WAV field, and moves the focus to
// the owner's OK button. Cancelling changes nothing.
void BrowseForFile(int kind, HWND owner);
