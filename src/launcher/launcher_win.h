// launcher_win.h: starting a menu entry through the shell, and reading the
// shell's shortcut files.
#pragma once
#include <windows.h>

struct ProgramItem;

// LaunchProgramItem: hands the entry to the shell with the verb "open"; the
// shell's own boxes belong to owner. Beyond the old shell a ".lnk" entry is
// resolved first and the shortcut's target, arguments, directory and show
// command are used instead of the entry's. 1 when the request went to the
// shell; 0 after a failure the user was told of (a shortcut that cannot be
// read; with the old shell, any error code).
int LaunchProgramItem(const ProgramItem* item, HWND owner, bool oldShell);

// ResolveShellLink: loads the shortcut and finds its target, moved or not,
// without any dialog; fills the target (short form), working directory and
// arguments, and the show command. Negative on failure, otherwise the result
// of reading the show command. The buffers are empty when nothing was read;
// the target also when the shortcut has no file-system target (an installer's
// advertised shortcut, a shell object).
enum { LINK_ARGUMENTS_SIZE = 1024 };  // what a shortcut holds
HRESULT ResolveShellLink(HWND owner, const char* linkPath, char (&target)[MAX_PATH],
                         char (&workingDirectory)[MAX_PATH], char (&arguments)[LINK_ARGUMENTS_SIZE], int& showCommand);
