// menu_bar_win.h: the bar's menu bar, made from the menu model.
#pragma once
#include <windows.h>

extern HMENU menuBarHandle;  // null before the first build
