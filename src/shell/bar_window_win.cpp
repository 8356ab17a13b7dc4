// bar_window_win.cpp: the bar window and its message handling.
#include "menus/menu_bar_win.h"
#include "resources/resource.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"

namespace {
const char HOT_KEY_ATOM_NAME[] = "DeskRail HotKey";

// ExitSequence: hot key first, then save and release, then end the loop.
LRESULT ExitSequence(HWND window)
{
    ATOM hotKey = GlobalFindAtomA(HOT_KEY_ATOM_NAME);
    UnregisterHotKey(window, hotKey);
    GlobalDeleteAtom(hotKey);
    ExitBar(0);
    PostQuitMessage(0);
    return 0;
}

int BarHeight() { return GetSystemMetrics(SM_CYMENU) + 10; }
}  // namespace

int CreateBarWindow()
{
    DWORD exStyle = WS_EX_TOOLWINDOW | (userVariables.alwaysOnTop ? WS_EX_TOPMOST : 0);
    int top = userVariables.dockBottom ? screenHeight - BarHeight() : 0;
    barWindowHandle = CreateWindowExA(exStyle, "DRClass", "DeskRail", WS_POPUP | WS_DLGFRAME, 0, top,
                                      screenWidth, BarHeight(), nullptr, nullptr, appInstance, nullptr);
    if (!barWindowHandle) return 0;
    ShowWindow(barWindowHandle, SW_SHOW);
    return 1;
}

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        return ExitSequence(window);
    case WM_QUIT:
        return ExitSequence(window);
    case WM_NCRBUTTONDOWN:
        TrackPopupMenu(barPopupMenu, 0, static_cast<short>(LOWORD(lParam)),
                       static_cast<short>(HIWORD(lParam)), 0, window, nullptr);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_EXIT) return ExitSequence(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
