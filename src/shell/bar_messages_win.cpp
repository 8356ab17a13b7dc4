// bar_messages_win.cpp: the bar window procedure: commands, timers, the hot
// key, the auto-hide rules, what other programs tell the bar, and the end.
#include "base/messages.h"
#include "base/messages_win.h"
#include "base/seams_win.h"
#include "base/texts.h"
#include "editor/custom_menus_dialog_win.h"
#include "launcher/launcher_win.h"
#include "menus/menu_bar_win.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"
#include "menus/profile_file.h"
#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "settings/registry_store_win.h"
#include "settings/user_variables.h"
#include "shell/bar_geometry.h"
#include "shell/command_line.h"
#include "shell/bar_messages_win.h"
#include "shell/bar_window_win.h"
#include "shell/docking_win.h"
#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/bar_ids_win.h"
#include "shell/startup_win.h"
#include "status/status_line_win.h"

namespace {

const char HOT_KEY_ATOM_NAME[] = "DeskRail HotKey";
const UINT HOT_KEY_MODIFIERS = MOD_ALT | MOD_CONTROL;

// Posted when the keyboard menu ended: gives the keyboard back unless a
// command was chosen.
const UINT WM_RETURN_KEYBOARD = WM_APP + 40;

// The window active before the hot key took the keyboard for the menus.
HWND keyboardOwner;

// The bar's own dialogs run one at a time. While one is open the menus may
// name entries the editor has freed: they are rebuilt before they start any.
bool dialogOpen;

// The Alt press and release that put the menu bar into keyboard mode.
const LPARAM ALT_DOWN_LPARAM = 0x21260001;
const LPARAM ALT_UP_LPARAM = static_cast<LPARAM>(0xC0260001u);

void RegisterBarHotKey(HWND bar)
{
    ATOM id = GlobalAddAtomA(HOT_KEY_ATOM_NAME);
    if (RegisterHotKey(bar, id, HOT_KEY_MODIFIERS, 'Z')) return;
    // Ctrl+Alt+Z is taken: the same atom, now counted twice, for Ctrl+Alt+A.
    id = GlobalAddAtomA(HOT_KEY_ATOM_NAME);
    if (!RegisterHotKey(bar, id, HOT_KEY_MODIFIERS, 'A'))
        ShowWarning(HOT_KEY_FAILED_TEXT);
}

// ExitSequence: hot key first, then save and release, then end the loop.
LRESULT ExitSequence(HWND bar)
{
    ATOM id = GlobalFindAtomA(HOT_KEY_ATOM_NAME);
    UnregisterHotKey(bar, id);
    GlobalDeleteAtom(id);
    ExitBar(false);
    PostQuitMessage(0);
    return 0;
}

void HotKeyAction(HWND bar)
{
    HWND open = EnabledBarWindow();
    if (open != bar) {
        // A dialog or box of the bar is open: it is what the user works in.
        if (open) SetForegroundWindow(open);
        return;
    }
    SlideBar(false);
    HWND previous = GetForegroundWindow();
    keyboardOwner = previous != bar ? previous : nullptr;
    SetForegroundWindow(bar);
    PostMessageA(bar, WM_SYSKEYDOWN, VK_MENU, ALT_DOWN_LPARAM);
    PostMessageA(bar, WM_SYSKEYUP, VK_MENU, ALT_UP_LPARAM);
}

// MouseOverBar: brings a hidden bar in, and (re)starts the poll that notices
// when the mouse has left.
void MouseOverBar(HWND bar)
{
    if (!Globals.userVariables.autoHide) return;
    if (!Globals.barShown) {
        POINT cursor;
        GetCursorPos(&cursor);
        if (CursorBringsBarIn(cursor.x, Globals.screenWidth)) SlideBar(false);
    } else if (Globals.autoHideTimerSet) {
        KillTimer(bar, AUTOHIDE_TIMER_ID);
    }
    Globals.autoHideTimerSet = SetTimer(bar, AUTOHIDE_TIMER_ID, 500, nullptr) != 0;
}

void AutoHidePoll(HWND bar)
{
    if (!Globals.userVariables.autoHide) {
        // Auto-hide was switched off while the poll ran: it has nothing to watch.
        KillTimer(bar, AUTOHIDE_TIMER_ID);
        Globals.autoHideTimerSet = false;
        return;
    }
    if (GetActiveWindow() == bar) return;
    POINT cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == bar) return;
    KillTimer(bar, AUTOHIDE_TIMER_ID);
    Globals.autoHideTimerSet = false;
    SlideBar(true);
}

void TimerTick(HWND bar, WPARAM id)
{
    switch (id) {
    case STATUS_TIMER_ID:
        UpdateStatusLine(BarStatus());
        break;
    case AUTOHIDE_TIMER_ID:
        AutoHidePoll(bar);
        break;
    case FOREGROUND_TIMER_ID:
        CheckForeground();
        break;
    case ALIGN_TIMER_ID:
        // Only the alignment timer goes; a running auto-hide poll must go on,
        // or a bar the mouse has left stays in view.
        KillTimer(bar, ALIGN_TIMER_ID);
        SetTimer(bar, STATUS_TIMER_ID, 10000, nullptr);
        UpdateStatusLine(BarStatus());
        break;
    }
}

// MenusEdited: what the menu editor's OK means for the bar. The menu bar is
// rebuilt first, before a box of the save lets anything choose from it.
void MenusEdited()
{
    RebuildMenuBar();
    DrawStatusText(BarStatus());
    SaveProfileOrWarn();
}

INT_PTR RunDialog(HWND bar, WORD resource, DLGPROC procedure, LPARAM parameter = 0)
{
    dialogOpen = true;
    INT_PTR result = DialogBoxParamA(Handles.appInstance, MAKEINTRESOURCEA(resource), bar, procedure, parameter);
    dialogOpen = false;
    return result;
}

// ShowStatusParts, ChangeHourlyChime: the Options dialog's requests the
// status text answers.
void ShowStatusParts(const UserVariables& wanted)
{
    Globals.userVariables.showDate = wanted.showDate;
    Globals.userVariables.showFreeMemory = wanted.showFreeMemory;
    Globals.userVariables.showTime = wanted.showTime;
    Globals.userVariables.showUserName = wanted.showUserName;
    DrawStatusText(BarStatus());
}

void ChangeHourlyChime(bool on) { Globals.userVariables.hourlyChime = on; }

// EditOptions: the dialog works on a copy. Each box took effect through the
// answers as it was clicked; OK hands over what the dialog keeps to the end,
// the WAV path. A second start's switches heard meanwhile stay.
void EditOptions(HWND bar)
{
    OptionsDialogRecord record = {Globals.userVariables, !Globals.newShell, &barAnswers};
    if (RunDialog(bar, IDD_OPTIONS, OptionsDialogProc, reinterpret_cast<LPARAM>(&record)) == IDOK)
        CopyMemory(Globals.userVariables.chimeSound, record.options.chimeSound, sizeof record.options.chimeSound);
}

LRESULT Command(HWND bar, WORD id)
{
    keyboardOwner = nullptr;  // a choice was made: the keyboard goes where it leads
    if (id == IDM_EXIT) return ExitSequence(bar);
    if (dialogOpen) {
        if (HWND open = EnabledBarWindow()) SetForegroundWindow(open);
        return 0;
    }
    if (id == IDM_MENUS || id == IDM_OPTIONS || id == IDM_ABOUT) LoadDialogControls();
    switch (id) {
    case IDM_MENUS:
        if (RunDialog(bar, IDD_CUSTOM_MENUS, CustomMenusDialogProc, reinterpret_cast<LPARAM>(&Globals.menus)) == 1)
            MenusEdited();
        break;
    case IDM_OPTIONS:
        EditOptions(bar);
        break;
    case IDM_ABOUT:
        RunDialog(bar, IDD_ABOUT, AboutDialogProc);
        break;
    default:
        if (ProgramItem* item = FindProgramForCommand(Globals.menus, id)) LaunchProgramItem(item, bar, !Globals.newShell);
        break;
    }
    return 0;
}

// ApplyLaterSwitches: a second start's switches, as if given at this start:
// each change acts as the Options dialog's box would, auto-hide on the old
// edge before the edge itself moves. The shell decides those two.
void ApplyLaterSwitches(const CommandLineSwitches& switches)
{
    UserVariables wanted = Globals.userVariables;
    ApplySwitches(wanted, switches);
    if (!Globals.newShell) wanted.autoHide = 1;
    UserVariables before = Globals.userVariables;
    Globals.userVariables = wanted;
    Globals.userVariables.autoHide = before.autoHide;
    Globals.userVariables.dockBottom = before.dockBottom;
    if (wanted.alwaysOnTop != before.alwaysOnTop) ChangeAlwaysOnTop(wanted.alwaysOnTop != 0);
    if (wanted.autoHide != before.autoHide && !ChangeAutoHide(wanted.autoHide != 0))
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
    if (wanted.dockBottom != before.dockBottom && !ChangeEdge(wanted.dockBottom != 0))
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
    DrawStatusText(BarStatus());
}

LRESULT SecondStartArrived(HWND bar, const COPYDATASTRUCT* data)
{
    if (!data || data->dwData != SECOND_START_DATA || data->cbData != sizeof(SecondStart)) return 0;
    SecondStart start;
    CopyMemory(&start, data->lpData, sizeof start);
    start.userName[sizeof start.userName - 1] = '\0';
    start.profileFileName[sizeof start.profileFileName - 1] = '\0';
    if (!ServesSecondStart(start, Globals.userName, Globals.profileFileName)) return SECOND_START_OTHER_USER;
    ApplyLaterSwitches(start.switches);
    // Heard: a hidden bar comes into view, and goes again as after the pointer.
    SlideBar(false);
    if (Globals.userVariables.autoHide) Globals.autoHideTimerSet = SetTimer(bar, AUTOHIDE_TIMER_ID, 500, nullptr) != 0;
    return SECOND_START_TAKEN;
}

UINT_PTR StartStatusTimer()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    return SetTimer(Handles.barWindowHandle, ALIGN_TIMER_ID, AlignTimerDelay(now.wSecond, now.wMilliseconds), nullptr);
}

// RealignStatusTimer: the status ticks on the clock's ten seconds again, after
// the clock was set or the machine slept.
void RealignStatusTimer()
{
    KillTimer(Handles.barWindowHandle, STATUS_TIMER_ID);
    KillTimer(Handles.barWindowHandle, ALIGN_TIMER_ID);
    StartStatusTimer();
}

void TellShell(HWND bar, DWORD message)
{
    if (!Globals.newShell) return;
    Handles.dockData.cbSize = sizeof(APPBARDATA);
    Handles.dockData.hWnd = bar;
    Seams.appBarMessage(message, &Handles.dockData);
}

// ReloadWrittenProfile: the menus read again when another program wrote this
// bar's profile.
void ReloadWrittenProfile()
{
    // The editor holds the menus while it is open; its OK writes them anyway.
    if (MenuEditorOpen() || !ProfileFileChanged(BarProfile())) return;
    ProfileLoad load = ReloadProfile(Globals.menus, BarProfile());
    if (!load.fatal) Globals.profileTailDropped = load.tailDropped;
    // The menu bar's commands lead to the new entries before a box lets the user pick one.
    RebuildMenuBar();
    DrawStatusText(BarStatus());
    if (load.fatal) ShowWarning(load.message);
    else if (load.menusExceedLimits) ShowWarning(MENU_BAR_FULL_TEXT);
}

}  // namespace

const BarAnswers barAnswers = {ShowStatusParts, ChangeHourlyChime, ChangeAlwaysOnTop, ChangeAutoHide, ChangeEdge};

LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && Globals.userVariables.autoHide) {
            SlideBar(true);
            KillTimer(bar, AUTOHIDE_TIMER_ID);
        }
        TellShell(bar, ABM_ACTIVATE);
        break;
    case WM_CLOSE:
    case WM_QUIT:
        return ExitSequence(bar);
    case WM_ENDSESSION:
        // The session ends with the process: keep what the user changed, and
        // show no box, which would hold the logoff up.
        if (wParam) {
            if (ProfileChanged(Globals.menus)) SaveProfile(Globals.menus, BarProfile(), Globals.profileTailDropped);
            SaveUserVariables(Globals.userVariables, Globals.userName);
        }
        return 0;
    case WM_SHOWWINDOW:
        RegisterBarHotKey(bar);
        Globals.barShown = true;
        StartStatusTimer();
        break;
    case WM_TIMECHANGE:
        RealignStatusTimer();
        DrawStatusText(BarStatus());
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) FollowShell();
        break;
    case BAR_CALLBACK_MESSAGE:
        OnShellNotification(wParam, lParam);
        return 0;
    case ACTIVE_WINDOW_CHANGED_MESSAGE:
        CheckForeground();
        return 0;
    case WM_WINDOWPOSCHANGED:
        TellShell(bar, ABM_WINDOWPOSCHANGED);
        break;
    case WM_DISPLAYCHANGE:
        Globals.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        Globals.screenHeight = GetSystemMetrics(SM_CYSCREEN);
        FollowDisplayChange();
        // The new width may fold the titles into more rows, or fewer.
        if (TakeMenuBarRows()) FollowMenuRows();
        DrawStatusText(BarStatus());
        CheckForeground();  // whether the active window covers the screen depends on the screen
        break;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
        // Painting the frame paints the menu line over the status text.
        LRESULT result = DefWindowProcA(bar, message, wParam, lParam);
        RepaintStatusText(BarStatus());
        return result;
    }
    case WM_EXITMENULOOP:
        if (keyboardOwner) PostMessageA(bar, WM_RETURN_KEYBOARD, 0, 0);
        break;
    case WM_RETURN_KEYBOARD:
        // The keyboard menu ended without a choice: the keyboard goes back
        // to the window the hot key took it from, unless the user went elsewhere.
        if (keyboardOwner && GetForegroundWindow() == bar && IsWindow(keyboardOwner))
            SetForegroundWindow(keyboardOwner);
        keyboardOwner = nullptr;
        return 0;
    case WM_NCMOUSEMOVE:
        MouseOverBar(bar);
        return 0;
    case WM_NCRBUTTONDOWN:
        TrackPopupMenu(Handles.barPopupMenu, 0, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), 0,
                       bar, nullptr);
        break;
    case WM_COMMAND:
        return Command(bar, LOWORD(wParam));
    case WM_COPYDATA:
        return SecondStartArrived(bar, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER:
        TimerTick(bar, wParam);
        return 0;
    case WM_POWERBROADCAST:
        if (Globals.powerStatusAvailable) {
            SYSTEM_POWER_STATUS power = {};
            Globals.onBattery = GetSystemPowerStatus(&power) && power.ACLineStatus == 0;
        }
        if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMECRITICAL) {
            // The timer kept its old phase through the sleep; the display may have changed.
            RealignStatusTimer();
            FollowShell();
            StatusAfterSleep(BarStatus());
        } else if (Globals.powerStatusAvailable) {
            DrawStatusText(BarStatus());
        }
        break;
    case WM_HOTKEY:
        HotKeyAction(bar);
        return 1;
    }
    if (message == Handles.taskbarCreatedMessage && Handles.taskbarCreatedMessage) TaskbarRestarted();
    if (message == Handles.profileWrittenMessage && Handles.profileWrittenMessage) ReloadWrittenProfile();
    return DefWindowProcA(bar, message, wParam, lParam);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        // Only OK closes it; Esc (IDCANCEL) does nothing.
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
