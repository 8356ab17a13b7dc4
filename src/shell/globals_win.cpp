#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/bar_ids_win.h"

GlobalState Globals;
GlobalHandles Handles;

static_assert(sizeof(APPBARDATA) == 36, "the 32-bit app-bar record");

StatusScene BarStatus()
{
    return {Handles.barWindowHandle, Globals.barShown, Globals.newShell,
            Globals.powerStatusAvailable && Globals.onBattery, Globals.screenWidth, &Globals.userVariables,
            Globals.userName};
}

ProfilePlace BarProfile() { return {Globals.programDirectory, Globals.profileFileName}; }
