// docking_win.cpp: the bar window on the screen edge and its conversation
// with the shell's app-bar host.
#include "base/lazy_import_win.h"
#include "base/messages.h"
#include "base/seams_win.h"
#include "base/texts.h"
#include "settings/user_variables.h"
#include "shell/bar_geometry.h"
#include "shell/docking_win.h"
#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/bar_ids_win.h"
#include "status/status_line_win.h"

// The menu lines the titles need: the bar, its strip and its hidden place grow by whole lines.
int32_t MenuHeight() { return GetSystemMetrics(SM_CYMENU) * Globals.menuBarRows; }

namespace {

UINT EdgeOf(bool bottom) { return bottom ? ABE_BOTTOM : ABE_TOP; }
UINT CurrentEdge() { return EdgeOf(Globals.userVariables.dockBottom != 0); }

HWND fullScreenWindow;        // another program's full-screen window the bar stands behind
bool shellSaysFullScreen;     // the shell announced it (ABN_FULLSCREENAPP)
bool foregroundHookTried;     // SetWinEventHook looked up, and called where it exists
bool foregroundEventsArrive;  // the system tells of each new active window: no poll

// FullScreenOrNull: the active window when it is another program's
// full-screen window, else null.
HWND FullScreenOrNull(HWND active)
{
    if (!active) return nullptr;
    RECT client = {};
    POINT origin = {0, 0};
    char className[32] = "";
    GetClientRect(active, &client);
    ClientToScreen(active, &origin);
    GetClassNameA(active, className, sizeof className);
    StripRect covered = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    StripRect screen = {0, 0, Globals.screenWidth, Globals.screenHeight};
    // Every window of the bar lives on its one thread.
    bool ours = GetWindowThreadProcessId(active, nullptr) == GetWindowThreadProcessId(Handles.barWindowHandle, nullptr);
    return IsFullScreen(covered, screen, className, ours) ? active : nullptr;
}

// Where no events come, a thread of the bar looks at the active window. It
// sleeps between looks, which under Wine costs a fraction of a timer message
// in the bar's loop, and wakes the bar only when the active window, its place
// or its size changed: a new window, or one that went full-screen in place.
volatile LONG lookPeriod;  // ms from one look to the next; 0: none wanted
HANDLE looksWanted;        // set when looks are wanted again
bool lookerRuns;           // else the bar's own timer looks

struct Look {
    HWND active;
    StripRect window, client;
};

Look LookNow()
{
    Look look = {GetForegroundWindow(), {}, {}};
    RECT window = {}, client = {};
    if (look.active && GetWindowRect(look.active, &window) && GetClientRect(look.active, &client)) {
        look.window = {window.left, window.top, window.right, window.bottom};
        look.client = {client.left, client.top, client.right, client.bottom};
    }
    return look;
}

DWORD WINAPI LookForChanges(LPVOID)
{
    Look last = {};
    for (;;) {
        DWORD period = static_cast<DWORD>(lookPeriod);
        if (!period) {
            WaitForSingleObject(looksWanted, INFINITE);
            continue;
        }
        Sleep(period);
        Look now = LookNow();
        if (now.active == last.active && SameStrip(now.window, last.window) && SameStrip(now.client, last.client))
            continue;
        last = now;
        HWND bar = Handles.barWindowHandle;
        if (bar && lookPeriod) PostMessageA(bar, ACTIVE_WINDOW_CHANGED_MESSAGE, 0, 0);
    }
}

bool StartLooker()
{
    looksWanted = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    DWORD id;
    HANDLE thread = looksWanted ? CreateThread(nullptr, 0, LookForChanges, nullptr, 0, &id) : nullptr;
    if (!thread) return false;
    CloseHandle(thread);  // it runs as long as the process
    return true;
}

// SchedulePoll: where no events come, the bar on top has the active window
// looked at every 2 s, and every second while a full-screen window stands
// over it, so that it is on top again about a second after the window went.
void SchedulePoll()
{
    LONG period = !Globals.userVariables.alwaysOnTop || foregroundEventsArrive ? 0 : fullScreenWindow ? 1000 : 2000;
    if (period && !lookerRuns) lookerRuns = StartLooker();
    if (lookerRuns) {
        lookPeriod = period;
        if (period) SetEvent(looksWanted);
    } else if (period) {
        SetTimer(Handles.barWindowHandle, FOREGROUND_TIMER_ID, static_cast<UINT>(period), nullptr);
    } else {
        KillTimer(Handles.barWindowHandle, FOREGROUND_TIMER_ID);
    }
}

// StandBehind: the bar below that full-screen window, or (null) in the place
// its "always on top" option gives it.
void StandBehind(HWND window)
{
    if (window == fullScreenWindow) return;
    fullScreenWindow = window;
    SchedulePoll();
    if (!window || !Globals.userVariables.alwaysOnTop) {
        ApplyAlwaysOnTop();  // a bar that is not on top stays where it is
        return;
    }
    // At the bottom, no longer topmost: below the full-screen window whether
    // that is topmost or not, and out of its way until it goes.
    SetWindowPos(Handles.barWindowHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    if (!foregroundEventsArrive) {
        foregroundEventsArrive = true;
        SchedulePoll();
    }
    CheckForeground();
}

typedef HWINEVENTHOOK(WINAPI* SetWinEventHookFunction)(DWORD first, DWORD last, HMODULE module,
                                                       WINEVENTPROC procedure, DWORD process, DWORD thread,
                                                       DWORD flags);

void MoveToEdgeAt(bool bottom)
{
    int32_t menuHeight = MenuHeight();
    MoveWindow(Handles.barWindowHandle, 0, InViewTop(bottom, Globals.screenHeight, menuHeight), Globals.screenWidth, BarHeight(menuHeight),
               TRUE);
}

// Every message carries the record's size and the bar.
void AddressDockData()
{
    Handles.dockData.cbSize = sizeof(APPBARDATA);
    Handles.dockData.hWnd = Handles.barWindowHandle;
}

}  // namespace

UINT_PTR RegisterWithShell()
{
    AddressDockData();
    // The shell tells of other bars and full-screen windows with this message.
    Handles.dockData.uCallbackMessage = BAR_CALLBACK_MESSAGE;
    Handles.dockData.uEdge = CurrentEdge();
    return Seams.appBarMessage(ABM_NEW, &Handles.dockData);
}

void ReserveStrip(bool onlyWhenMoved)
{
    AddressDockData();
    Handles.dockData.uEdge = CurrentEdge();
    Handles.dockData.rc = RECT{0, 0, Globals.screenWidth, Globals.screenHeight};
    Seams.appBarMessage(ABM_QUERYPOS, &Handles.dockData);
    StripRect answered = {Handles.dockData.rc.left, Handles.dockData.rc.top, Handles.dockData.rc.right, Handles.dockData.rc.bottom};
    StripRect strip = StripAfterQuery(answered, Globals.userVariables.dockBottom, MenuHeight(), Globals.screenWidth);
    RECT held;
    GetWindowRect(Handles.barWindowHandle, &held);
    // Setting the strip the bar already covers would have the shell notify
    // every other bar again, and they would answer in turn.
    if (onlyWhenMoved && SameStrip(strip, StripRect{held.left, held.top, held.right, held.bottom})) return;
    Handles.dockData.rc = RECT{strip.left, strip.top, strip.right, strip.bottom};
    Seams.appBarMessage(ABM_SETPOS, &Handles.dockData);
    // The window covers the strip the shell set aside, not the raw screen edge:
    // the shell may have put it beside another bar.
    const RECT& set = Handles.dockData.rc;
    SetWindowPos(Handles.barWindowHandle, nullptr, set.left, set.top, set.right - set.left, set.bottom - set.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReleaseStrip()
{
    AddressDockData();
    StripRect empty = ReleasedStrip(Globals.userVariables.dockBottom, Globals.screenHeight);
    Handles.dockData.rc = RECT{empty.left, empty.top, empty.right, empty.bottom};
    Seams.appBarMessage(ABM_SETPOS, &Handles.dockData);
}

UINT_PTR SetShellAutoHideAt(UINT edge, bool on)
{
    AddressDockData();
    Handles.dockData.uEdge = edge;
    Handles.dockData.lParam = on;
    return Seams.appBarMessage(ABM_SETAUTOHIDEBAR, &Handles.dockData);
}

UINT_PTR SetShellAutoHide(bool on) { return SetShellAutoHideAt(CurrentEdge(), on); }

void UnregisterFromShell()
{
    SetShellAutoHide(false);
    AddressDockData();
    Seams.appBarMessage(ABM_REMOVE, &Handles.dockData);
}

void MoveToEdge() { MoveToEdgeAt(Globals.userVariables.dockBottom != 0); }

void ApplyAlwaysOnTop()
{
    // A hidden auto-hide bar stays above every window, or one covering its
    // 2 pixels would keep the pointer from bringing it back.
    bool onTop = Globals.userVariables.alwaysOnTop || (Globals.userVariables.autoHide && !Globals.barShown);
    SetWindowPos(Handles.barWindowHandle, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void AnimateBar(int32_t target)
{
    uint32_t duration = SlideDuration(Globals.barShown);
    RECT rect;
    GetWindowRect(Handles.barWindowHandle, &rect);
    int32_t startTop = rect.top;
    DWORD start = GetTickCount();
    // Driven by the tick counter, not a timer: the slide takes the same time
    // on every machine, and the last step always lands on the target.
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= duration) break;
        SetWindowPos(Handles.barWindowHandle, nullptr, 0, AnimationTop(startTop, target, elapsed, duration), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(Handles.barWindowHandle);
    }
    SetWindowPos(Handles.barWindowHandle, nullptr, 0, target, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(Handles.barWindowHandle);
}

void SlideBar(bool hide)
{
    if (!hide && Globals.barShown) return;
    // Animated exactly when the user lets windows show their contents while dragged.
    BOOL animate = TRUE;
    if (Globals.newShell) SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &animate, 0);
    int32_t menuHeight = MenuHeight();
    int32_t target = hide ? HiddenTop(Globals.userVariables.dockBottom, Globals.screenHeight, menuHeight)
                          : InViewTop(Globals.userVariables.dockBottom, Globals.screenHeight, menuHeight);
    if (animate)
        AnimateBar(target);
    else
        SetWindowPos(Handles.barWindowHandle, nullptr, 0, target, Globals.screenWidth, BarHeight(menuHeight),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    Globals.barShown = !hide;
    ApplyAlwaysOnTop();
    if (!hide) DrawStatusText(BarStatus());
}

// DockWithShell: registers the bar, then takes its edge's auto-hide place or
// reserves its strip.
void DockWithShell()
{
    if (!RegisterWithShell()) return;
    if (!Globals.userVariables.autoHide) {
        ReserveStrip(false);
    } else if (!SetShellAutoHide(true)) {
        // Another auto-hide bar holds the edge: stay in view, reserve nothing.
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
        Globals.userVariables.autoHide = 0;
    }
}

bool ChangeAutoHide(bool on)
{
    if (!SetShellAutoHide(on)) return false;
    Globals.userVariables.autoHide = on;
    if (on) {
        ReleaseStrip();
        SlideBar(true);
        return true;
    }
    ReserveStrip(false);  // moves the window into the strip at once
    Globals.barShown = true;
    ApplyAlwaysOnTop();  // in view, the bar is on top only as its option says
    DrawStatusText(BarStatus());
    return true;
}

void TaskbarRestarted()
{
    if (!Globals.newShell) return;
    // A full-screen window the old shell announced is never called off by the new one.
    shellSaysFullScreen = false;
    CheckForeground();
    bool autoHide = Globals.userVariables.autoHide != 0;
    DockWithShell();
    if (autoHide && !Globals.userVariables.autoHide) SlideBar(false);
}

void FollowDisplayChange()
{
    int32_t menuHeight = MenuHeight();
    if (!Globals.barShown) {
        SetWindowPos(Handles.barWindowHandle, nullptr, 0, HiddenTop(Globals.userVariables.dockBottom, Globals.screenHeight, menuHeight),
                     Globals.screenWidth, BarHeight(menuHeight), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (Globals.newShell && !Globals.userVariables.autoHide)
        ReserveStrip(false);
    else
        MoveToEdge();
}

bool ChangeEdge(bool bottom)
{
    bool wasBottom = Globals.userVariables.dockBottom != 0;
    if (Globals.newShell && !Globals.userVariables.autoHide) {
        Globals.userVariables.dockBottom = bottom;
        // The shell stacks bars of one edge in the order they registered: at
        // the new edge the bar comes last, beside the bars already there.
        AddressDockData();
        Seams.appBarMessage(ABM_REMOVE, &Handles.dockData);
        RegisterWithShell();
        ReserveStrip(false);
        DrawStatusText(BarStatus());
        return true;
    }
    MoveToEdgeAt(bottom);
    DrawStatusText(BarStatus());
    if (!Globals.newShell) {
        Globals.userVariables.dockBottom = bottom;
        SlideBar(true);  // the old shell's bar always hides
        return true;
    }
    // The old edge's auto-hide place is given up before the new one is asked for.
    SetShellAutoHideAt(EdgeOf(wasBottom), false);
    if (SetShellAutoHideAt(EdgeOf(bottom), true)) {
        Globals.userVariables.dockBottom = bottom;
        SlideBar(true);
        return true;
    }
    // Another auto-hide bar holds the new edge: back to the old one, anew.
    Seams.appBarMessage(ABM_REMOVE, &Handles.dockData);
    Seams.appBarMessage(ABM_NEW, &Handles.dockData);
    SetWindowPos(Handles.barWindowHandle, nullptr, 0, InViewTop(wasBottom, Globals.screenHeight, MenuHeight()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Globals.barShown = true;  // put in view, so the status text is painted and the mouse rule holds
    SetShellAutoHide(true);
    return false;
}

void ChangeAlwaysOnTop(bool on)
{
    Globals.userVariables.alwaysOnTop = on;
    fullScreenWindow = nullptr;
    ApplyAlwaysOnTop();
    WatchForeground();
}

void WatchForeground()
{
    // Windows 98 and NT 4.0 SP3 on tell of each new active window; Windows 95,
    // NT 3.51 and Wine (for other programs' windows) never do.
    if (!foregroundHookTried) {
        foregroundHookTried = true;
        auto hook = LazyImport<SetWinEventHookFunction>("user32.dll", "SetWinEventHook");
        if (hook)
            hook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, ForegroundChanged, 0, 0,
                 WINEVENT_OUTOFCONTEXT);
    }
    SchedulePoll();  // only a bar on top can stand over a full-screen window
    CheckForeground();
}

void WatchForegroundAfresh()
{
    fullScreenWindow = nullptr;  // a new window stands where its option puts it
    shellSaysFullScreen = false;
    WatchForeground();
}

void CheckForeground()
{
    if (shellSaysFullScreen) return;
    StandBehind(FullScreenOrNull(GetForegroundWindow()));
}

void FollowShell()
{
    // An auto-hide bar, in view or not, holds no strip.
    if (!Globals.newShell || Globals.userVariables.autoHide) return;
    RECT before;
    GetWindowRect(Handles.barWindowHandle, &before);
    ReserveStrip(true);
    RECT after;
    GetWindowRect(Handles.barWindowHandle, &after);
    if (after.top != before.top) DrawStatusText(BarStatus());  // the move wiped the text
}

void OnShellNotification(WPARAM code, LPARAM lParam)
{
    switch (code) {
    case ABN_POSCHANGED:
        FollowShell();
        break;
    case ABN_FULLSCREENAPP:
        shellSaysFullScreen = lParam != 0;
        StandBehind(shellSaysFullScreen ? GetForegroundWindow() : nullptr);
        // Called off: the bar's own look judges the active window again at once,
        // not only once it changes.
        if (!shellSaysFullScreen) CheckForeground();
        break;
    }
}
