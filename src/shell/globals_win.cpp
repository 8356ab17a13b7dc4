#include "shell/globals.h"
#include "shell/globals_win.h"

GlobalState Globals;
GlobalHandles Handles;
