// options_dialog_win.h: the Options dialog, where every check box acts at once.
#pragma once
#include <windows.h>

// Requests the dialog sends its owner, the bar, which acts on the screen and
// with the shell; the dialog itself only changes the options record.
enum : UINT {
    WM_OPTIONS_STATUS_CHANGED = WM_APP + 1,  // the status text shows other parts
    WM_OPTIONS_TOPMOST_CHANGED,              // alwaysOnTop was toggled
    // autoHide was toggled. Answers 0 when the shell refused; the bar is then
    // left as it was.
    WM_OPTIONS_AUTOHIDE_CHANGED,
    // dockBottom was toggled. Answers 0 when the shell refused auto-hide at the
    // new edge; the bar is then back at the old edge and dockBottom with it.
    WM_OPTIONS_EDGE_CHANGED,
};

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
