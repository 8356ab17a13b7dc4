#include "win_bar_fixture.h"
#include <cstdio>
TEST(Probe, SetPos)
{
    driver::BarProcess below; driver::TempDir dir;
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, 0);
    APPBARDATA d = {sizeof d, w, WM_APP, ABE_TOP, {0, 0, 1024, 768}, 0};
    fprintf(stderr, "new %d\n", (int)SHAppBarMessage(ABM_NEW, &d));
    SHAppBarMessage(ABM_QUERYPOS, &d); d.rc.bottom = d.rc.top + 29; SHAppBarMessage(ABM_SETPOS, &d);
    below.Start(driver::Copy("neighbour_bar.exe", dir.Path()), "bottom");
    Sleep(1500);
    fprintf(stderr, "remove %d\n", (int)SHAppBarMessage(ABM_REMOVE, &d));
    d.uEdge = ABE_BOTTOM;
    fprintf(stderr, "new %d\n", (int)SHAppBarMessage(ABM_NEW, &d));
    d.rc = RECT{0, 0, 1024, 768};
    SHAppBarMessage(ABM_QUERYPOS, &d);
    fprintf(stderr, "query %ld %ld %ld %ld\n", d.rc.left, d.rc.top, d.rc.right, d.rc.bottom);
    d.rc.top = d.rc.bottom - 29;
    SHAppBarMessage(ABM_SETPOS, &d);
    fprintf(stderr, "setpos %ld %ld %ld %ld edge %d\n", d.rc.left, d.rc.top, d.rc.right, d.rc.bottom, driver::StripEdge(ABE_BOTTOM));
    SHAppBarMessage(ABM_REMOVE, &d);
    fprintf(stderr, "after remove edge %d\n", driver::StripEdge(ABE_BOTTOM));
    PostMessageA(driver::FindProcessWindow(below.Id(), "Static", "neighbour"), WM_CLOSE, 0, 0);
}
