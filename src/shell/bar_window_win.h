// bar_window_win.h: the bar window's lifetime: class, window, menu bar, release.
#pragma once
#include <windows.h>

// LoadBarPopup: the right-click popup, released with the bar.
void LoadBarPopup();
ATOM RegisterBarClass(WNDPROC procedure);
int CreateBarWindow();
// RebuildMenuBar: the menu bar anew from the menus, with the status text.
void RebuildMenuBar();
// TakeMenuBarRows: the rows the titles now take, kept; whether they changed.
bool TakeMenuBarRows();
// FollowMenuRows: the bar takes the height of the rows its titles now need,
// with its strip or hidden place once shown.
void FollowMenuRows();
// ReleaseBar: everything the bar holds given back, the shell's strip first.
void ReleaseBar();
