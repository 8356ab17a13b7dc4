// globals.h: the bar's state, kept by the top floor and named at every use;
// the floors below take what they need of it as parameters.
#pragma once
#include "menus/menu_model.h"

struct GlobalState {
    // The menus: the list and its commands, the rows their titles take, and
    // whether the first save keeps the old profile (its last load dropped bytes).
    MenuList menus;
    int menuBarRows = 1;
    bool profileTailDropped;
};

extern GlobalState Globals;
