// menu_bar_win.h: the bar's menu bar, made from the menu model.
#pragma once
#include <windows.h>

struct MenuList;

// MenuBarBuild: a menu bar made, for the caller to set on its window (SetMenu
// frees no menu it replaces) and to keep, and the number of its menus.
struct MenuBarBuild {
    HMENU menu;
    int menuCount;
};

// BuildMenuBar: makes the binding list anew and a menu bar from the menu
// list: one drop-down menu per menu, one item per entry with its command
// identifier, separator lines where entries ask. Set on the window, an empty
// menu bar has wiped the status text, which the caller then paints again.
MenuBarBuild BuildMenuBar(MenuList& menus);

// MeasureMenuBarRows: the rows the window's width gives the titles of its
// menu bar; one where the system cannot tell where the titles stand.
int MeasureMenuBarRows(HWND window);
