// docking_win.cpp: the bar window on the screen edge and its conversation
// with the shell's app-bar host.
#include "base/messages.h"
#include "base/process_state_win.h"
#include "base/texts.h"
#include "menus/menu_bar_win.h"
#include "settings/user_variables.h"
#include "shell/bar_geometry.h"
#include "shell/bar_window_win.h"
#include "shell/docking_win.h"
#include "shell/shell_state_win.h"
#include "status/status_line_win.h"

namespace {

// The menu lines the titles need: the bar, its strip and its hidden place grow by whole lines.
int32_t MenuHeight() { return GetSystemMetrics(SM_CYMENU) * menuBarRows; }
UINT CurrentEdge() { return userVariables.dockBottom ? ABE_BOTTOM : ABE_TOP; }

// Every message carries the record's size and the bar.
void AddressDockData()
{
    dockData.cbSize = sizeof(APPBARDATA);
    dockData.hWnd = barWindowHandle;
}

}  // namespace

UINT_PTR RegisterWithShell()
{
    AddressDockData();
    dockData.uCallbackMessage = 0;  // the bar asks for no notifications
    dockData.uEdge = CurrentEdge();
    return appBarMessage(ABM_NEW, &dockData);
}

void ReserveStrip()
{
    AddressDockData();
    dockData.uEdge = CurrentEdge();
    dockData.rc = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    appBarMessage(ABM_QUERYPOS, &dockData);
    StripRect answered = {dockData.rc.left, dockData.rc.top, dockData.rc.right, dockData.rc.bottom};
    StripRect strip = StripAfterQuery(answered, userVariables.dockBottom, MenuHeight(), screenWidth);
    MoveWindow(barWindowHandle, strip.left, strip.top, screenWidth, BarHeight(MenuHeight()), TRUE);
    dockData.rc = RECT{strip.left, strip.top, strip.right, strip.bottom};
    appBarMessage(ABM_SETPOS, &dockData);
}

void ReserveStripInPlace()
{
    AddressDockData();
    dockData.uEdge = CurrentEdge();
    dockData.rc = RECT{0, 0, screenWidth, screenHeight};
    appBarMessage(ABM_QUERYPOS, &dockData);
    StripRect answered = {0, dockData.rc.top, dockData.rc.right, dockData.rc.bottom};
    StripRect strip = StripAfterQuery(answered, userVariables.dockBottom, MenuHeight(), screenWidth);
    dockData.rc = RECT{strip.left, strip.top, strip.right, strip.bottom};
    appBarMessage(ABM_SETPOS, &dockData);
}

void ReleaseStrip()
{
    AddressDockData();
    StripRect empty = ReleasedStrip(userVariables.dockBottom, screenHeight);
    dockData.rc = RECT{empty.left, empty.top, empty.right, empty.bottom};
    appBarMessage(ABM_SETPOS, &dockData);
}

UINT_PTR SetShellAutoHideAt(UINT edge, bool on)
{
    AddressDockData();
    dockData.uEdge = edge;
    dockData.lParam = on;
    return appBarMessage(ABM_SETAUTOHIDEBAR, &dockData);
}

UINT_PTR SetShellAutoHide(bool on) { return SetShellAutoHideAt(CurrentEdge(), on); }

void UnregisterFromShell()
{
    SetShellAutoHide(false);
    AddressDockData();
    appBarMessage(ABM_REMOVE, &dockData);
}

void MoveToEdge()
{
    int32_t menuHeight = MenuHeight();
    MoveWindow(barWindowHandle, 0, InViewTop(userVariables.dockBottom, screenHeight, menuHeight), screenWidth,
               BarHeight(menuHeight), TRUE);
}

void ApplyAlwaysOnTop()
{
    // A hidden auto-hide bar stays above every window, or one covering its
    // 2 pixels would keep the pointer from bringing it back.
    bool onTop = userVariables.alwaysOnTop || (userVariables.autoHide && !barShown);
    SetWindowPos(barWindowHandle, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void AnimateBar(int32_t target)
{
    uint32_t duration = SlideDuration(barShown);
    RECT rect;
    GetWindowRect(barWindowHandle, &rect);
    int32_t startTop = rect.top;
    DWORD start = GetTickCount();
    // Driven by the tick counter, not a timer: the slide takes the same time
    // on every machine, and the last step always lands on the target.
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= duration) break;
        SetWindowPos(barWindowHandle, nullptr, 0, AnimationTop(startTop, target, elapsed, duration), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(barWindowHandle);
    }
    SetWindowPos(barWindowHandle, nullptr, 0, target, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(barWindowHandle);
}

void SlideBar(bool hide)
{
    if (!hide && barShown) return;
    // Animated exactly when the user lets windows show their contents while dragged.
    BOOL animate = TRUE;
    if (newShell) SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &animate, 0);
    int32_t menuHeight = MenuHeight();
    int32_t target = hide ? HiddenTop(userVariables.dockBottom, screenHeight, menuHeight)
                          : InViewTop(userVariables.dockBottom, screenHeight, menuHeight);
    if (animate)
        AnimateBar(target);
    else
        SetWindowPos(barWindowHandle, nullptr, 0, target, screenWidth, BarHeight(menuHeight),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    barShown = !hide;
    ApplyAlwaysOnTop();
    if (!hide) UpdateStatusLine();
}

// DockWithShell: registers the bar, then takes its edge's auto-hide place or
// reserves its strip.
void DockWithShell()
{
    if (!RegisterWithShell()) return;
    if (!userVariables.autoHide) {
        ReserveStrip();
    } else if (!SetShellAutoHide(true)) {
        // Another auto-hide bar holds the edge: stay in view, reserve nothing.
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
        userVariables.autoHide = 0;
    }
}

int CreateBarWindow()
{
    DWORD exStyle = WS_EX_TOOLWINDOW | (userVariables.alwaysOnTop ? WS_EX_TOPMOST : 0);
    int32_t menuHeight = MenuHeight();
    barWindowHandle = CreateWindowExA(exStyle, BAR_CLASS_NAME, BAR_TITLE, WS_POPUP | WS_DLGFRAME, 0,
                                      InViewTop(userVariables.dockBottom, screenHeight, menuHeight), screenWidth,
                                      BarHeight(menuHeight), nullptr, nullptr, appInstance, nullptr);
    if (!barWindowHandle) return 0;
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

    // The menus first: the titles' rows decide the height the strip reserves.
    RebuildMenuBar();
    if (newShell) DockWithShell();

    ShowWindow(barWindowHandle, SW_SHOW);
    if (newShell && !userVariables.autoHide)
        UpdateStatusLine();
    else
        SlideBar(true);
    return 1;
}

bool ChangeAutoHide()
{
    if (!SetShellAutoHide(userVariables.autoHide != 0)) return false;
    if (userVariables.autoHide)
        ReleaseStrip();
    else
        ReserveStrip();
    SlideBar(userVariables.autoHide != 0);
    return true;
}

void TaskbarRestarted()
{
    if (!newShell) return;
    bool autoHide = userVariables.autoHide != 0;
    DockWithShell();
    if (autoHide && !userVariables.autoHide) SlideBar(false);
}

void FollowDisplayChange()
{
    int32_t menuHeight = MenuHeight();
    if (!barShown) {
        SetWindowPos(barWindowHandle, nullptr, 0, HiddenTop(userVariables.dockBottom, screenHeight, menuHeight),
                     screenWidth, BarHeight(menuHeight), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    MoveToEdge();
    if (newShell && !userVariables.autoHide) ReserveStripInPlace();
}

bool ChangeEdge()
{
    MoveToEdge();
    UpdateStatusLine();
    if (!newShell) {
        SlideBar(true);  // the old shell's bar always hides
        return true;
    }
    // The old edge's auto-hide place is given up before the new one is asked for.
    if (userVariables.autoHide) SetShellAutoHideAt(userVariables.dockBottom ? ABE_TOP : ABE_BOTTOM, false);
    dockData.uEdge = CurrentEdge();
    if (!userVariables.autoHide) {
        ReserveStripInPlace();
        return true;
    }
    if (SetShellAutoHide(true)) {
        SlideBar(true);
        return true;
    }
    // Another auto-hide bar holds the new edge: back to the old one, anew.
    appBarMessage(ABM_REMOVE, &dockData);
    appBarMessage(ABM_NEW, &dockData);
    userVariables.dockBottom = userVariables.dockBottom ? 0 : 1;
    SetWindowPos(barWindowHandle, nullptr, 0, InViewTop(userVariables.dockBottom, screenHeight, MenuHeight()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    barShown = true;  // put in view, so the status text is painted and the mouse rule holds
    SetShellAutoHide(true);
    return false;
}
