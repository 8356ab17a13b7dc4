#include "menus/menu_bar_win.h"

HMENU menuBarHandle;
