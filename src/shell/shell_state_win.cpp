#include "shell/shell_state_win.h"

#include "base/process_state_win.h"
#include "settings/user_variables.h"

HMENU barPopupMenu;
WNDCLASSA barClass;
APPBARDATA dockData;
bool autoHideTimerSet;
UINT taskbarCreatedMessage;
UINT profileWrittenMessage;

static_assert(sizeof(APPBARDATA) == 36, "the 32-bit app-bar record");

StatusScene BarStatus()
{
    return {barWindowHandle, barShown, newShell, powerStatusAvailable && onBattery, screenWidth, &userVariables, userName};
}
