// globals.h: the bar's state, kept by the top floor and named at every use;
// the floors below take what they need of it as parameters.
#pragma once
#include <cstdint>

#include "base/name_sizes.h"
#include "menus/menu_model.h"
#include "settings/user_variables.h"

struct GlobalState {
    // The run: where the program lives, for whom it runs, its profile's name.
    char programDirectory[PROGRAM_DIRECTORY_SIZE];
    char userName[USER_NAME_SIZE];
    char profileFileName[PROFILE_FILE_NAME_SIZE];
    // What the system offers, and the power the machine runs on.
    bool newShell;              // the shell offers application desktop toolbars
    bool powerStatusAvailable;  // the power status may be asked
    bool onBattery;
    int32_t screenWidth;
    int32_t screenHeight;
    // The options record, as the registry keeps it.
    UserVariables userVariables;
    // The bar: in view (not at the hidden place), and whether the auto-hide
    // poll runs.
    bool barShown = true;
    bool autoHideTimerSet;
    // The menus: the list and its commands, the rows their titles take, and
    // whether the first save keeps the old profile (its last load dropped bytes).
    MenuList menus;
    int menuBarRows = 1;
    bool profileTailDropped;
};

extern GlobalState Globals;
