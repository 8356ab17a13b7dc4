// appbar_floor_win: the least an app bar like DeskRail has to do before it
// shows: one registry read, a window under the bar's class and title, and
// its strip at the top edge from the shell (ABM_NEW, ABM_QUERYPOS,
// ABM_SETPOS). Built as DeskRail.exe is, without a C runtime, so that the
// start-up and memory of the two differ only by the bar's own work.
#include <windows.h>
#include <shellapi.h>

static APPBARDATA dock;

static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        SHAppBarMessage(ABM_REMOVE, &dock);
        DestroyWindow(window);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The options record DeskRail reads first; its content does not matter here.
    BYTE record[160];
    DWORD size = sizeof record;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\DeskRail\\bench", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, "User_Variables", nullptr, nullptr, record, &size);
        RegCloseKey(key);
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = "DRClass";
    if (!RegisterClassA(&windowClass)) return 1;
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYMENU) + 10;
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "DRClass", "DeskRail", WS_POPUP | WS_DLGFRAME, 0, 0,
                                  width, height, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    dock.cbSize = sizeof dock;
    dock.hWnd = window;
    dock.uCallbackMessage = WM_APP;
    dock.uEdge = ABE_TOP;
    SHAppBarMessage(ABM_NEW, &dock);
    dock.rc = RECT{0, 0, width, GetSystemMetrics(SM_CYSCREEN)};
    SHAppBarMessage(ABM_QUERYPOS, &dock);
    dock.rc.bottom = dock.rc.top + height;
    SHAppBarMessage(ABM_SETPOS, &dock);
    MoveWindow(window, dock.rc.left, dock.rc.top, width, height, FALSE);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
