// The bar window and its docking, in this process, with a shell of the
// test's own in front of the app-bar messages: Wine's host never refuses
// auto-hide and keeps no state a test could read.
#include <gtest/gtest.h>

#include <vector>

#include "menus/menu_model.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"
#include "win_driver.h"
#include "win_inprocess_bar.h"

using namespace driver;

namespace {

struct TopWatch {
    std::vector<LONG> tops;
    volatile LONG done = 0;
};

DWORD WINAPI WatchTops(LPVOID param)
{
    TopWatch* watch = static_cast<TopWatch*>(param);
    while (!watch->done) {
        RECT rect;
        GetWindowRect(barWindowHandle, &rect);
        if (watch->tops.empty() || watch->tops.back() != rect.top) watch->tops.push_back(rect.top);
        Sleep(1);
    }
    return 0;
}

class Docking : public InProcessBarTest {};

}  // namespace

TEST_F(Docking, RefusedAutoHideWarnsOnceAndLeavesTheBarInView)
{
    refuseAutoHide = true;
    BoxWatcher boxes;
    CreateBar();
    std::vector<Box> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Fehler beim automatischen Verstecken\nder Menüleiste! Ist dort die Task-Leiste?", shown[0].text);
    EXPECT_EQ(0u, userVariables.autoHide) << "kept off, and saved so at the end";
    EXPECT_EQ(0, BarRect().top);
    EXPECT_EQ(1, barShown);
    std::vector<DWORD> messages = ShellMessages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(static_cast<DWORD>(ABM_NEW), messages[0]);
    EXPECT_EQ(static_cast<DWORD>(ABM_SETAUTOHIDEBAR), messages[1]);
    for (DWORD message : messages)
        EXPECT_TRUE(message != ABM_QUERYPOS && message != ABM_SETPOS) << "no strip after a refusal";
}

TEST_F(Docking, StripIsReservedAtTheBottomEdge)
{
    userVariables.autoHide = 0;
    userVariables.dockBottom = 1;
    CreateBar();
    const ShellCall* setPos = nullptr;
    for (const ShellCall& call : shellCalls)
        if (call.message == ABM_SETPOS) setPos = &call;
    ASSERT_TRUE(setPos);
    EXPECT_EQ(36u, setPos->data.cbSize);
    EXPECT_EQ(barWindowHandle, setPos->data.hWnd);
    EXPECT_EQ(static_cast<UINT>(ABE_BOTTOM), setPos->data.uEdge);
    EXPECT_EQ(screenHeight - BarHeight(), setPos->data.rc.top);
    EXPECT_EQ(screenHeight, setPos->data.rc.bottom);
    EXPECT_EQ(screenWidth, setPos->data.rc.right);
    EXPECT_EQ(screenHeight - BarHeight(), BarRect().top);

    shellCalls.clear();
    ReleaseStrip();
    ASSERT_EQ(1u, shellCalls.size());
    EXPECT_EQ(screenHeight, shellCalls[0].data.rc.top);
    EXPECT_EQ(screenHeight, shellCalls[0].data.rc.bottom);

    shellCalls.clear();
    UnregisterFromShell();
    ASSERT_EQ(2u, shellCalls.size());
    EXPECT_EQ(static_cast<DWORD>(ABM_SETAUTOHIDEBAR), shellCalls[0].message);
    EXPECT_EQ(0, shellCalls[0].data.lParam);
    EXPECT_EQ(static_cast<DWORD>(ABM_REMOVE), shellCalls[1].message);
}

TEST_F(Docking, WithoutNewShellNothingGoesToTheShellAndTheBarHides)
{
    newShell = 0;
    CreateBar();
    EXPECT_EQ(-8 - GetSystemMetrics(SM_CYMENU), BarRect().top);
    EXPECT_EQ(0, barShown);
    SendMessageA(barWindowHandle, WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageA(barWindowHandle, WM_WINDOWPOSCHANGED, 0, 0);
    EXPECT_TRUE(shellCalls.empty());
}

TEST_F(Docking, MessagesAnsweredWithoutTheDefaultProcedure)
{
    userVariables.autoHide = 0;
    CreateBar();
    EXPECT_EQ(0, BarWindowProc(barWindowHandle, WM_NCMOUSEMOVE, HTMENU, 0));
    EXPECT_EQ(0, BarWindowProc(barWindowHandle, WM_TIMER, 0x1234, 0));
    // The alignment timer hands over to the ten-second status timer.
    EXPECT_EQ(0, BarWindowProc(barWindowHandle, WM_TIMER, ALIGN_TIMER_ID, 0));
    EXPECT_FALSE(KillTimer(barWindowHandle, ALIGN_TIMER_ID)) << "fires once";
    EXPECT_TRUE(KillTimer(barWindowHandle, STATUS_TIMER_ID));
}

// DragFullWindows: the user's setting for showing window contents while
// dragging, which decides whether the bar slides or jumps; restored after.
class DragFullWindows {
public:
    explicit DragFullWindows(BOOL on)
    {
        SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &before, 0);
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, 0);
    }
    ~DragFullWindows() { SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, before, nullptr, 0); }

private:
    BOOL before = FALSE;
};

TEST_F(Docking, WithoutFullWindowDragTheBarJumps)
{
    DragFullWindows off(FALSE);
    CreateBar();
    DWORD start = GetTickCount();
    SlideBar(0);
    EXPECT_LT(GetTickCount() - start, 150u);
    EXPECT_EQ(0, BarRect().top);
    EXPECT_EQ(BarHeight(), BarRect().bottom - BarRect().top);
}

TEST_F(Docking, HiddenBarSlidesInWithAnimationAndOutAgain)
{
    DragFullWindows on(TRUE);
    CreateBar();
    int hidden = -8 - GetSystemMetrics(SM_CYMENU);
    ASSERT_EQ(hidden, BarRect().top);
    // Watch the slide from another thread: the slide holds this one.
    TopWatch watch;
    HANDLE watcher = CreateThread(nullptr, 0, WatchTops, &watch, 0, nullptr);
    DWORD start = GetTickCount();
    SlideBar(0);
    DWORD took = GetTickCount() - start;
    InterlockedExchange(&watch.done, 1);
    WaitForSingleObject(watcher, 2000);
    CloseHandle(watcher);
    const std::vector<LONG>& tops = watch.tops;
    EXPECT_EQ(0, BarRect().top);
    EXPECT_EQ(1, barShown);
    EXPECT_GE(took, 200u);
    EXPECT_LT(took, 400u);
    bool between = false;
    for (LONG top : tops) between = between || (top > hidden && top < 0);
    EXPECT_TRUE(between) << "seen only at its ends: not animated";

    SlideBar(1);
    EXPECT_EQ(hidden, BarRect().top);
    EXPECT_EQ(0, barShown);
}
