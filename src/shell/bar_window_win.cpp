// bar_window_win.cpp: the bar window's lifetime: its class, the window made
// at its edge, the menu bar built anew, and everything released at the end.
#include "base/messages_win.h"
#include "base/process_state_win.h"
#include "menus/menu_bar_win.h"
#include "resources/resource.h"
#include "settings/user_variables.h"
#include "shell/bar_geometry.h"
#include "shell/bar_window_win.h"
#include "shell/docking_win.h"
#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/shell_state_win.h"
#include "status/status_line_win.h"

namespace {
// LoadMenuA's menu, kept so that destroying it also frees the popup inside it.
HMENU popupMenuResource;
}  // namespace

void LoadBarPopup()
{
    popupMenuResource = LoadMenuA(appInstance, MAKEINTRESOURCEA(IDM_POPUP));
    barPopupMenu = GetSubMenu(popupMenuResource, 0);
}

ATOM RegisterBarClass(WNDPROC procedure)
{
    barClass.style = 0;
    barClass.lpfnWndProc = procedure;
    barClass.cbClsExtra = 0;
    barClass.cbWndExtra = 0;
    barClass.hInstance = appInstance;
    barClass.hIcon = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_PROGRAM));
    barClass.hCursor = nullptr;
    barClass.hbrBackground = newShell ? reinterpret_cast<HBRUSH>(COLOR_MENU + 1) : nullptr;
    barClass.lpszMenuName = MAKEINTRESOURCEA(IDM_POPUP);
    barClass.lpszClassName = BAR_CLASS_NAME;
    return RegisterClassA(&barClass);
}

int CreateBarWindow()
{
    DWORD exStyle = WS_EX_TOOLWINDOW | (userVariables.alwaysOnTop ? WS_EX_TOPMOST : 0);
    int32_t menuHeight = MenuHeight();
    barWindowHandle = CreateWindowExA(exStyle, BAR_CLASS_NAME, BAR_TITLE, WS_POPUP | WS_DLGFRAME, 0,
                                      InViewTop(userVariables.dockBottom, screenHeight, menuHeight), screenWidth,
                                      BarHeight(menuHeight), nullptr, nullptr, appInstance, nullptr);
    if (!barWindowHandle) return 0;
    SetBoxOwner(barWindowHandle);
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

    // The menus first: the titles' rows decide the height the strip reserves.
    RebuildMenuBar();
    if (newShell) DockWithShell();

    ShowWindow(barWindowHandle, SW_SHOW);
    if (newShell && !userVariables.autoHide)
        DrawStatusText(BarStatus());
    else
        SlideBar(true);
    WatchForegroundAfresh();
    return 1;
}

bool TakeMenuBarRows()
{
    int rows = MeasureMenuBarRows(barWindowHandle);
    bool changed = rows != Globals.menuBarRows;
    Globals.menuBarRows = rows;
    return changed;
}

void RebuildMenuBar()
{
    MenuBarBuild built = BuildMenuBar(Globals.menus);
    // Before the first build the window carries the menu its class gave it;
    // SetMenu does not free a menu it replaces, so that one is freed here.
    HMENU classMenu = GetMenu(barWindowHandle);
    if (classMenu == Handles.menuBarHandle) classMenu = nullptr;
    DestroyMenu(Handles.menuBarHandle);
    Handles.menuBarHandle = built.menu;
    SetMenu(barWindowHandle, Handles.menuBarHandle);
    if (classMenu) DestroyMenu(classMenu);
    DrawMenuBar(barWindowHandle);
    bool rowsChanged = TakeMenuBarRows();
    if (built.menuCount == 0) DrawStatusText(BarStatus());
    if (rowsChanged) FollowMenuRows();
}

void FollowMenuRows()
{
    // Not shown yet: the window was made before its titles were counted. Only
    // a reserved strip would set its height later, so it takes the rows' height
    // now, or a bar kept in view (auto-hide refused) shows its second row cut.
    if (IsWindowVisible(barWindowHandle)) FollowDisplayChange();
    else MoveToEdge();
}

void ReleaseBar()
{
    // After a fatal start the window never existed, nor did its registration.
    if (newShell && barWindowHandle) UnregisterFromShell();
    if (barClass.hIcon) {
        DestroyIcon(barClass.hIcon);
        barClass.hIcon = nullptr;
    }
    if (Handles.menuBarHandle) {
        DestroyMenu(Handles.menuBarHandle);
        Handles.menuBarHandle = nullptr;
    }
    if (popupMenuResource) {
        DestroyMenu(popupMenuResource);
        popupMenuResource = nullptr;
        barPopupMenu = nullptr;
    }
    if (barWindowHandle) {
        KillTimer(barWindowHandle, STATUS_TIMER_ID);
        KillTimer(barWindowHandle, AUTOHIDE_TIMER_ID);
        KillTimer(barWindowHandle, ALIGN_TIMER_ID);
        DestroyWindow(barWindowHandle);
        barWindowHandle = nullptr;
        SetBoxOwner(nullptr);
    }
    UnregisterClassA(BAR_CLASS_NAME, appInstance);
}

