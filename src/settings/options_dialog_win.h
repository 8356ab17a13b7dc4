// options_dialog_win.h: the Options dialog, where every check box acts at once.
#pragma once
#include <windows.h>

#include "settings/user_variables.h"

// BarAnswers: what the dialog asks of the bar, which acts on the screen and
// with the shell. Each request carries the value the box now wants; the bar
// changes its own options only as far as it acted.
struct BarAnswers {
    void (*showStatusParts)(const UserVariables& wanted);  // date, free memory, time, user name
    void (*hourlyChime)(bool on);
    void (*alwaysOnTop)(bool on);
    // false when the shell refused; the bar is then as it was.
    bool (*autoHide)(bool on);
    bool (*dockBottom)(bool bottom);
};

// OptionsDialogRecord: the dialog's lParam. While the dialog runs, options is
// its own and it alone changes it: a refused box goes back there. The dialog
// ends with IDOK, and the caller then takes options as the bar's.
struct OptionsDialogRecord {
    UserVariables options;
    bool autoHideFixed;  // the old shell's bar always hides
    const BarAnswers* bar;
};

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
