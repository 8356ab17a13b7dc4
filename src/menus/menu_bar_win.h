// menu_bar_win.h: the bar's menu bar, made from the menu model.
#pragma once
#include <windows.h>

extern HMENU menuBarHandle;  // null before the first build
extern int menuBarRows;      // the rows the titles take at the window's width

// BuildMenuBar: throws the bar window's menu bar and the binding list away and
// makes both anew from the menu list: one drop-down menu per menu, one item
// per entry with its command identifier, separator lines where entries ask.
// Gives the number of menus; an empty menu bar has wiped the status text,
// which the caller then paints again.
int BuildMenuBar();

// MeasureMenuBarRows: counts the rows the window's width gives the titles
// into menuBarRows and answers whether that changed; one row where the system
// cannot tell where the titles stand.
bool MeasureMenuBarRows();
