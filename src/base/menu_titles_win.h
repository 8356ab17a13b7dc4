// menu_titles_win.h: where the titles of a window's menu bar stand, for the
// status text that yields to them and the bar that grows to show every row.
#pragma once
#include <windows.h>

// MenuTitleRect: the title's rectangle in the window's own coordinates (0,0
// at its top left corner); false where the system cannot tell (Windows NT
// 3.51 lacks the call) and for a title that does not exist.
bool MenuTitleRect(HWND window, int index, RECT& rect);

// MenuTitleCount: the titles of the window's menu bar.
int MenuTitleCount(HWND window);
