#include "win_inprocess_bar.h"

#include "menus/menu_model.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"
#include "status/status_line_win.h"

namespace driver {

std::vector<ShellCall> InProcessBarTest::shellCalls;
bool InProcessBarTest::refuseAutoHide;

namespace {
ChimeSoundFunction realSound;
UtcClockFunction realClock;
}  // namespace

UINT_PTR WINAPI InProcessBarTest::RecordingShell(DWORD message, PAPPBARDATA data)
{
    shellCalls.push_back({message, *data});
    if (message == ABM_SETAUTOHIDEBAR && data->lParam && refuseAutoHide) return FALSE;
    return TRUE;
}

void InProcessBarTest::SetUp()
{
    appInstance = GetModuleHandleA(nullptr);
    newShell = 1;
    powerStatusAvailable = 0;
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetDefaultUserVariables(userVariables);
    userVariables.showFreeMemory = 0;
    userVariables.showTime = 0;
    barShown = 1;
    autoHideTimerSet = 0;
    shellCalls.clear();
    refuseAutoHide = false;
    appBarMessage = RecordingShell;
    realSound = playChimeSound;
    realClock = readUtcClock;
    ASSERT_NE(0, RegisterBarClass());
}

void InProcessBarTest::TearDown()
{
    if (barWindowHandle) DestroyWindow(barWindowHandle);
    barWindowHandle = nullptr;
    UnregisterClassA("DRClass", appInstance);
    appBarMessage = SHAppBarMessage;
    playChimeSound = realSound;
    readUtcClock = realClock;
    FreeAllUserMenus();
    FreeCommandBindings();
}

void InProcessBarTest::CreateBar() { ASSERT_EQ(1, CreateBarWindow()); }

RECT InProcessBarTest::BarRect() const
{
    RECT rect = {};
    GetWindowRect(barWindowHandle, &rect);
    return rect;
}

std::vector<DWORD> InProcessBarTest::ShellMessages() const
{
    std::vector<DWORD> messages;
    // Activation and moves are reported as they happen; the docking is the rest.
    for (const ShellCall& call : shellCalls)
        if (call.message != ABM_ACTIVATE && call.message != ABM_WINDOWPOSCHANGED) messages.push_back(call.message);
    return messages;
}

}  // namespace driver

namespace driver {

const ShellCall& InProcessBarTest::Docking(size_t index) const
{
    for (const ShellCall& call : shellCalls) {
        if (call.message == ABM_ACTIVATE || call.message == ABM_WINDOWPOSCHANGED) continue;
        if (index-- == 0) return call;
    }
    static ShellCall none = {};
    ADD_FAILURE() << "fewer docking messages than asked for";
    return none;
}

}  // namespace driver
