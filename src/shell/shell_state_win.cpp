#include "shell/shell_state_win.h"

HMENU barPopupMenu;
WNDCLASSA barClass;
APPBARDATA dockData;
bool autoHideTimerSet;
UINT taskbarCreatedMessage;
UINT profileWrittenMessage;

static_assert(sizeof(APPBARDATA) == 36, "the 32-bit app-bar record");
