// bar_window_win.cpp: the bar window's lifetime: its class, the window made
// at its edge, the menu bar built anew, and everything released at the end.
#include "base/messages_win.h"
#include "menus/menu_bar_win.h"
#include "resources/resource.h"
#include "settings/user_variables.h"
#include "shell/bar_geometry.h"
#include "shell/bar_window_win.h"
#include "shell/docking_win.h"
#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/bar_ids_win.h"
#include "status/status_line_win.h"

namespace {
// LoadMenuA's menu, kept so that destroying it also frees the popup inside it.
HMENU popupMenuResource;
}  // namespace

void LoadBarPopup()
{
    popupMenuResource = LoadMenuA(Handles.appInstance, MAKEINTRESOURCEA(IDM_POPUP));
    Handles.barPopupMenu = GetSubMenu(popupMenuResource, 0);
}

ATOM RegisterBarClass(WNDPROC procedure)
{
    Handles.barClass.style = 0;
    Handles.barClass.lpfnWndProc = procedure;
    Handles.barClass.cbClsExtra = 0;
    Handles.barClass.cbWndExtra = 0;
    Handles.barClass.hInstance = Handles.appInstance;
    Handles.barClass.hIcon = LoadIconA(Handles.appInstance, MAKEINTRESOURCEA(IDI_PROGRAM));
    Handles.barClass.hCursor = nullptr;
    Handles.barClass.hbrBackground = Globals.newShell ? reinterpret_cast<HBRUSH>(COLOR_MENU + 1) : nullptr;
    Handles.barClass.lpszMenuName = MAKEINTRESOURCEA(IDM_POPUP);
    Handles.barClass.lpszClassName = BAR_CLASS_NAME;
    return RegisterClassA(&Handles.barClass);
}

int CreateBarWindow()
{
    DWORD exStyle = WS_EX_TOOLWINDOW | (Globals.userVariables.alwaysOnTop ? WS_EX_TOPMOST : 0);
    int32_t menuHeight = MenuHeight();
    Handles.barWindowHandle = CreateWindowExA(exStyle, BAR_CLASS_NAME, BAR_TITLE, WS_POPUP | WS_DLGFRAME, 0,
                                      InViewTop(Globals.userVariables.dockBottom, Globals.screenHeight, menuHeight), Globals.screenWidth,
                                      BarHeight(menuHeight), nullptr, nullptr, Handles.appInstance, nullptr);
    if (!Handles.barWindowHandle) return 0;
    SetBoxOwner(Handles.barWindowHandle);
    Handles.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

    // The menus first: the titles' rows decide the height the strip reserves.
    RebuildMenuBar();
    if (Globals.newShell) DockWithShell();

    ShowWindow(Handles.barWindowHandle, SW_SHOW);
    if (Globals.newShell && !Globals.userVariables.autoHide)
        DrawStatusText(BarStatus());
    else
        SlideBar(true);
    WatchForegroundAfresh();
    return 1;
}

bool TakeMenuBarRows()
{
    int rows = MeasureMenuBarRows(Handles.barWindowHandle);
    bool changed = rows != Globals.menuBarRows;
    Globals.menuBarRows = rows;
    return changed;
}

void RebuildMenuBar()
{
    MenuBarBuild built = BuildMenuBar(Globals.menus);
    // Before the first build the window carries the menu its class gave it;
    // SetMenu does not free a menu it replaces, so that one is freed here.
    HMENU classMenu = GetMenu(Handles.barWindowHandle);
    if (classMenu == Handles.menuBarHandle) classMenu = nullptr;
    DestroyMenu(Handles.menuBarHandle);
    Handles.menuBarHandle = built.menu;
    SetMenu(Handles.barWindowHandle, Handles.menuBarHandle);
    if (classMenu) DestroyMenu(classMenu);
    DrawMenuBar(Handles.barWindowHandle);
    bool rowsChanged = TakeMenuBarRows();
    if (built.menuCount == 0) DrawStatusText(BarStatus());
    if (rowsChanged) FollowMenuRows();
}

void FollowMenuRows()
{
    // Not shown yet: the window was made before its titles were counted. Only
    // a reserved strip would set its height later, so it takes the rows' height
    // now, or a bar kept in view (auto-hide refused) shows its second row cut.
    if (IsWindowVisible(Handles.barWindowHandle)) FollowDisplayChange();
    else MoveToEdge();
}

void ReleaseBar()
{
    // After a fatal start the window never existed, nor did its registration.
    if (Globals.newShell && Handles.barWindowHandle) UnregisterFromShell();
    if (Handles.barClass.hIcon) {
        DestroyIcon(Handles.barClass.hIcon);
        Handles.barClass.hIcon = nullptr;
    }
    if (Handles.menuBarHandle) {
        DestroyMenu(Handles.menuBarHandle);
        Handles.menuBarHandle = nullptr;
    }
    if (popupMenuResource) {
        DestroyMenu(popupMenuResource);
        popupMenuResource = nullptr;
        Handles.barPopupMenu = nullptr;
    }
    if (Handles.barWindowHandle) {
        KillTimer(Handles.barWindowHandle, STATUS_TIMER_ID);
        KillTimer(Handles.barWindowHandle, AUTOHIDE_TIMER_ID);
        KillTimer(Handles.barWindowHandle, ALIGN_TIMER_ID);
        DestroyWindow(Handles.barWindowHandle);
        Handles.barWindowHandle = nullptr;
        SetBoxOwner(nullptr);
    }
    UnregisterClassA(BAR_CLASS_NAME, Handles.appInstance);
}

