// The bar on the screen: auto-hide by the real pointer and the hot key, the Options dialog and the
// strip the shell reserves, the status text it draws, other bars beside
// it and another program's full-screen window over it.
#include "resources/resource.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

int Height(HWND window) { return WindowRect(window).bottom - WindowRect(window).top; }
// Hidden at the top, 2 pixels of the bar stay on the screen.
bool HiddenAtTop(HWND window) { return WindowRect(window).bottom == 2; }
bool InViewAtTop(HWND window) { return WindowRect(window).top == 0; }

HWND OpenOptions(HWND window) { return PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0), DialogOwnedBy(window); }

class Docking : public BarTest {};

}  // namespace

TEST_F(Docking, PointerAndHotKeyBringTheHiddenBarInAndOptionsChangeItsPlaceAndItsStrip)
{
    UserVariables timeOnly = Defaults(true);
    timeOnly.showFreeMemory = timeOnly.alwaysOnTop = 0;
    std::string user = UserWith("e2e_autohide", timeOnly);
    int top = StripEdge(ABE_TOP);
    // Ctrl+Alt+Z is another program's: the bar falls back to Ctrl+Alt+A.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, 'Z'));
    BarProcess bar;
    HWND window = Start(bar, user, {});
    // The window the user works in is active and maximised, as on a desktop in use; the bar is not
    // always on top, yet hidden it stays above, so the pointer can bring it back.
    int width = GetSystemMetrics(SM_CXSCREEN);
    HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 0, 0, width, 500, 0, 0, 0, 0);
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window) && GetForegroundWindow() == other; }));
    EXPECT_EQ(top, StripEdge(ABE_TOP)) << "a hidden bar reserves nothing";

    // The pointer at the edge brings it in (not in the rightmost tenth, the rules' own tests show).
    for (int x : {width / 2, width / 2 + 1}) MoveMouse(x, 0);
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window); }));
    EXPECT_FALSE(WaitFor([&] { return !InViewAtTop(window); }, 700)) << "the poll finds the pointer on the bar";
    MoveMouse(width / 2, 400);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); }, 4000)) << "the pointer left: the poll, not a status tick";
    // The hot key: the status text is there at once; Esc gives the keyboard back to the edit box.
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window) && GetForegroundWindow() == window; }));
    EXPECT_TRUE(WaitFor([&] { return StatusDrawn(window); }, 1000)) << "no status text after the hot key";
    GUITHREADINFO info = {sizeof info, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, {}};
    ASSERT_TRUE(WaitFor([&] { return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMENUMODE); }));
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == other && HiddenAtTop(window); }));
    PressKeys({'X'});
    EXPECT_TRUE(WaitFor([&] {
        for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) TranslateMessage(&m), DispatchMessageA(&m);
        return WindowText(other) == "x";
    })) << "the keys went elsewhere";
    HWND options = OpenOptions(window);
    ASSERT_TRUE(options);
    SetForegroundWindow(other);
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == options; })) << "the hot key over the open dialog";
    UnregisterHotKey(nullptr, 1);
    DestroyWindow(other);
    ClickBox(options, IDC_AUTO_HIDE);
    EXPECT_TRUE(WaitFor([&] {
        return WindowRect(window).top == top && StripEdge(ABE_TOP) == top + Height(window) &&
               !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    })) << "in view, the bar is on top only as the option says";
    SetDlgItemTextA(options, IDC_CHIME_SOUND, "C:\\gong.wav"), PressButton(options, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(options); }));
    Close(bar);
    EXPECT_EQ(top, StripEdge(ABE_TOP)) << "the strip is given back at the end";
    timeOnly.autoHide = 0, std::strcpy(timeOnly.chimeSound, "C:\\gong.wav");
    EXPECT_EQ(BytesOf(timeOnly), Stored(user)) << "the options as changed, the path as typed";
}

TEST_F(Docking, TheBarStandsBesideOtherBarsAndBehindAnotherProgramsFullScreenWindow)
{
    std::string user = UserWith("e2e_neighbours", Defaults(false));  // on top, at the top edge, docked
    int top = StripEdge(ABE_TOP), bottom = StripEdge(ABE_BOTTOM), width = GetSystemMetrics(SM_CXSCREEN);
    // This program's bars of 40 pixels, placed as the shell answers.
    auto other = [&](UINT edge) {
        APPBARDATA bar = {sizeof bar, CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, 0, 0, 0, 0), WM_APP, edge,
                          {0, 0, width, GetSystemMetrics(SM_CYSCREEN)}, 0};
        SHAppBarMessage(ABM_NEW, &bar);
        SHAppBarMessage(ABM_QUERYPOS, &bar);
        (edge == ABE_TOP ? bar.rc.bottom : bar.rc.top) = edge == ABE_TOP ? bar.rc.top + 40 : bar.rc.bottom - 40;
        SHAppBarMessage(ABM_SETPOS, &bar);
        return bar;
    };
    APPBARDATA above = other(ABE_TOP), below;
    BarProcess bar;
    HWND window = Start(bar, user, {});
    auto strips = [&](int barTop, int reservedTop, int reservedBottom) { return WaitFor([&] {
        return WindowRect(window).top == barTop && StripEdge(ABE_TOP) == reservedTop && StripEdge(ABE_BOTTOM) == reservedBottom;
    }); };
    EXPECT_TRUE(strips(top + 40, top + 40 + Height(window), bottom)) << "right below the other bar";
    SHAppBarMessage(ABM_REMOVE, &above);
    EXPECT_TRUE(strips(top, top + Height(window), bottom)) << "at the edge once the other bar left";
    below = other(ABE_BOTTOM);
    HWND options = OpenOptions(window);
    for (int round = 0; round < 3; ++round) {
        ClickBox(options, IDC_DOCK_BOTTOM);
        EXPECT_TRUE(round == 1 ? strips(top, top + Height(window), bottom - 40)
                               : strips(bottom - 40 - Height(window), top, bottom - 40 - Height(window))) << round;
    }
    PressButton(options, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(options); })) << "the bar is active again, the dialog gone";
    // Another program's frameless window of screen size goes over the bar; a maximised one once full-screen in place.
    auto topmost = [&] { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    for (bool fullScreen : {true, false}) {
        HWND film = CreateWindowExA(0, "STATIC", "", fullScreen ? WS_POPUP : WS_OVERLAPPEDWINDOW, 0, 0, width,
                                    GetSystemMetrics(SM_CYSCREEN), 0, 0, 0, 0);
        ShowWindow(film, fullScreen ? SW_SHOW : SW_SHOWMAXIMIZED);
        SetForegroundWindow(film);
        auto behind = [&] { return !topmost() && Below(window, film); };
        EXPECT_EQ(fullScreen, WaitFor(behind, 4000));
        SetWindowLongA(film, GWL_STYLE, WS_POPUP | WS_VISIBLE);  // the maximised one goes full-screen in place
        SetWindowPos(film, nullptr, 0, 0, width, GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_FRAMECHANGED);
        EXPECT_TRUE(WaitFor(behind, 9000)) << "full-screen";
        DestroyWindow(film);
        EXPECT_TRUE(WaitFor(topmost)) << "on top again";
    }
    SHAppBarMessage(ABM_REMOVE, &below);
    Close(bar);
    EXPECT_EQ(bottom, StripEdge(ABE_BOTTOM)) << "the strip is given back at the end";
}
