// neighbour_bar: another program's app bar, 40 pixels high, at the edge its argument names ("top" or
// "bottom"), registered and placed as the shell answers; WM_CLOSE to its window removes it and ends it.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

int main(int argc, char** argv)
{
    bool bottom = argc > 1 && !std::strcmp(argv[1], "bottom");
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "neighbour", WS_POPUP | WS_VISIBLE, 0, 0, width, 40, 0, 0, 0, 0);
    APPBARDATA data = {sizeof data, bar, WM_APP, UINT(bottom ? ABE_BOTTOM : ABE_TOP), {0, 0, width, height}, 0};
    SHAppBarMessage(ABM_NEW, &data);
    SHAppBarMessage(ABM_QUERYPOS, &data);
    (bottom ? data.rc.top : data.rc.bottom) = bottom ? data.rc.bottom - 40 : data.rc.top + 40;
    SHAppBarMessage(ABM_SETPOS, &data);
    MoveWindow(bar, data.rc.left, data.rc.top, width, 40, TRUE);
    for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_CLOSE;) DispatchMessageA(&message);
    return !SHAppBarMessage(ABM_REMOVE, &data);
}
