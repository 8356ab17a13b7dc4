#include "base/process_state_win.h"

HINSTANCE appInstance;
HWND barWindowHandle;
