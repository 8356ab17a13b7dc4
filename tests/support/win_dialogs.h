// win_dialogs.h: driving dialogs as their controls and the user would, in
// a running DeskRail.exe.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win_driver.h"

namespace driver {

// ListLines: the lines of a list box. Read as UTF-16 and turned into the
// program's code page: across processes Wine hands LB_GETTEXT out in UTF-16
// whatever the caller asked for.
std::vector<std::string> ListLines(HWND list);
int ListSelection(HWND list);
// SelectLine: the user's click on a line: the selection, then the
// notification the list box sends its dialog.
void SelectLine(HWND dialog, int listId, int line);

std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);

// Notify: WM_COMMAND as the control sends it; returns once it is handled.
void Notify(HWND dialog, int id, int code = BN_CLICKED);
// PostNotify: the same, posted, for actions that open a modal window.
void PostNotify(HWND dialog, int id, int code = BN_CLICKED);

// WaitForDialog: the dialog window (#32770) of that process with that caption.
HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs = 5000);
bool WaitGone(HWND window, DWORD timeoutMs = 5000);
// AnswerBox: reads the box of that caption, presses the button and waits
// until the box is gone.
bool AnswerBox(DWORD processId, const std::string& caption, int button, Box& box);
// HasIcon: the box shows an icon.
bool HasIcon(HWND box);

}  // namespace driver
