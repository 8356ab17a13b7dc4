// docking_win.cpp: the bar's conversation with the shell's app-bar host.
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"

APPBARDATA dockData;

namespace {
// PrepareDockData: every message carries the record's size, the bar and its edge.
void PrepareDockData()
{
    dockData.cbSize = sizeof(APPBARDATA);
    dockData.hWnd = barWindowHandle;
    dockData.uEdge = userVariables.dockBottom ? ABE_BOTTOM : ABE_TOP;
}
}  // namespace

static_assert(sizeof(APPBARDATA) == 36, "the 32-bit app-bar record");

UINT_PTR SetShellAutoHide(int on)
{
    PrepareDockData();
    dockData.lParam = on;
    return SHAppBarMessage(ABM_SETAUTOHIDEBAR, &dockData);
}

void UnregisterFromShell()
{
    SetShellAutoHide(0);
    PrepareDockData();
    SHAppBarMessage(ABM_REMOVE, &dockData);
}
