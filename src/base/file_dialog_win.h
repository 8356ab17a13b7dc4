// file_dialog_win.h: the system's file-open dialog for a program or a WAV file.
#pragma once
#include <windows.h>

enum { BROWSE_PROGRAM = 0, BROWSE_WAV = 1 };

// Room for any path: a longer choice than its field takes is refused there,
// with a message, rather than failing here in silence.
enum { BROWSED_PATH_SIZE = MAX_PATH };

// BrowseForFile: asks for a program (BROWSE_PROGRAM) or a WAV file (any other
// kind); true with the chosen path, false when the user cancelled.
bool BrowseForFile(int kind, HWND owner, char (&path)[BROWSED_PATH_SIZE]);
