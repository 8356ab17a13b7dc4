// The bar on the screen: auto-hide by the real pointer and the hot key, the Options dialog moving the
// bar with the strip the shell reserves, the status text it draws, and the old shell's hidden bar.
#include "resources/resource.h"
#include "status/status_text.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

int Height(HWND window) { return WindowRect(window).bottom - WindowRect(window).top; }
// Hidden at the top, 2 pixels of the bar stay on the screen.
bool HiddenAtTop(HWND window) { return WindowRect(window).bottom == 2; }
bool InViewAtTop(HWND window) { return WindowRect(window).top == 0; }

HWND OpenOptions(HWND window)
{
    PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0);
    return DialogOwnedBy(window);
}

using Pixels = std::vector<DWORD>;

// Picture: the screen's top rows; given the rows without a status, the time
// drawn over them as the bar draws its status text: in the menu font and
// colour, ending 7 pixels before the right edge, centred in the menu line.
Pixels Picture(int height, const Pixels* under = nullptr, uint64_t freeBytes = 0)
{
    int width = GetSystemMetrics(SM_CXSCREEN);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    DWORD* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr), screen = GetDC(nullptr);
    HGDIOBJ bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    HGDIOBJ font = CreateFontIndirectA(&metrics.lfMenuFont);
    SelectObject(dc, bitmap);
    SelectObject(dc, font);
    if (!under) BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    if (under) {
        char time[20] = "", text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
        GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, sizeof time);
        StatusInputs in = {};
        in.showTime = 1;
        in.timeText = time;
        in.showFreeMemory = freeBytes != 0;
        in.availableBytes = freeBytes;
        ComposeStatusText(in, text, battery);
        std::copy(under->begin(), under->end(), bits);
        SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
        SetBkMode(dc, TRANSPARENT);
        SIZE size;
        TEXTMETRICA tm;
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        GetTextMetricsA(dc, &tm);
        TextOutA(dc, width - size.cx - 7, (GetSystemMetrics(SM_CYMENU) - tm.tmHeight + 10) / 2, text, lstrlenA(text));
    }
    GdiFlush();
    Pixels pixels(bits, bits + width * height);
    // The menu titles on the left may show the keyboard mode the hot key left; the status is on the right.
    for (int y = 0; y < height; ++y) std::fill_n(pixels.begin() + y * width, width / 2, 0);
    ReleaseDC(nullptr, screen);
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(font);
    return pixels;
}

class Docking : public BarTest {};

}  // namespace

TEST_F(Docking, PointerAndHotKeyBringTheHiddenBarInOptionsMoveItAndItsStripAndTheTimeStandsAtTheRightEnd)
{
    UserVariables timeOnly = Defaults(true);
    timeOnly.showFreeMemory = 0;
    std::string user = UserWith("e2e_autohide", timeOnly);
    int top = StripEdge(ABE_TOP);
    // Ctrl+Alt+Z is another program's: the bar falls back to Ctrl+Alt+A.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, 'Z'));
    BarProcess bar;
    HWND window = Start(bar, user, {});
    // The window the user works in is active, as on a desktop in use.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300, 9, 9, 0, 0, 0, 0);
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window) && GetForegroundWindow() == other; }));
    EXPECT_EQ(top, StripEdge(ABE_TOP)) << "a hidden bar reserves nothing";

    // The pointer at the edge brings it in (not in the rightmost tenth, the rules' own tests show).
    int width = GetSystemMetrics(SM_CXSCREEN);
    for (int x : {width / 2, width / 2 + 1}) MoveMouse(x, 0);
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window); }));
    Sleep(700);  // the poll finds the pointer on the bar
    EXPECT_TRUE(InViewAtTop(window));
    MoveMouse(width / 2, 400);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); }, 1500)) << "the pointer left";
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window) && GetForegroundWindow() == window; }));
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); })) << "hides when another window is active";
    UnregisterHotKey(nullptr, 1);
    DestroyWindow(other);

    HWND options = OpenOptions(window);
    ASSERT_TRUE(options);
    EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(options, IDC_SHOW_TIME, BM_GETCHECK, 0, 0)) << "the time as stored";
    ClickBox(options, IDC_ALWAYS_ON_TOP);
    EXPECT_TRUE(WaitFor([&] { return !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST); })) << "no longer on top";
    ClickBox(options, IDC_AUTO_HIDE);
    EXPECT_TRUE(WaitFor([&] { return WindowRect(window).top == top && StripEdge(ABE_TOP) == top + Height(window); }));
    // The status: the menu line without the time, then the time drawn over it as here (a minute
    // turning between the two clocks, the bar's next tick draws the new time).
    Pixels timed = Picture(Height(window)), under, last;  // the wiped line must hold no time to draw over
    ClickBox(options, IDC_SHOW_TIME);
    EXPECT_TRUE(WaitFor([&] { return (last = under) == (under = Picture(Height(window))) && under != timed; }));
    ClickBox(options, IDC_SHOW_TIME);
    EXPECT_TRUE(WaitFor([&] { return Picture(Height(window)) == Picture(Height(window), &under); }, 12000))
        << "the drawn text differs from the time in the menu font at its place";
    // Free memory on this machine of 24 GB: a figure longer than the 2 GB the old call stops at.
    auto left = [&](const Pixels& p) { return std::mismatch(p.begin(), p.end(), under.begin()).first - p.begin(); };
    ClickBox(options, IDC_SHOW_FREE_MEMORY);
    EXPECT_TRUE(WaitFor([&] { return left(Picture(Height(window))) < left(Picture(Height(window), &under, 2047ull << 20)); }));
    // A WAV path longer than its field is refused as typed, not cut into another file's name.
    std::string wav = "C:\\" + std::string(76, 'w');  // 79 characters, the most it takes
    TypeInto(options, IDC_CHIME_SOUND, wav + "X");
    PressButton(options, IDOK);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ(WAV_PATH_TOO_LONG_TEXT, box.text);
    EXPECT_EQ(wav + "X", WindowText(GetDlgItem(options, IDC_CHIME_SOUND))) << "the dialog stays, as typed";
    TypeInto(options, IDC_CHIME_SOUND, wav);
    PressButton(options, IDOK);
    Close(bar);
    timeOnly.alwaysOnTop = timeOnly.autoHide = 0, timeOnly.showFreeMemory = 1;
    wav.copy(timeOnly.chimeSound, wav.size());
    EXPECT_EQ(BytesOf(timeOnly), Stored(user)) << "the options as changed";
}

TEST_F(Docking, TheOldShellsBarAlwaysHidesAndReservesNothing)
{
    std::string user = UserWith("e2e_nt351", Defaults(false)), wine = "Software\\Wine\\AppDefaults\\DeskRail.exe";
    ASSERT_TRUE(WriteRegistryValue(wine, "Version", REG_SZ, "nt351", 6));  // the version Wine reports to it
    int top = StripEdge(ABE_TOP);
    BarProcess bar;
    HWND window = Start(bar, user, {}), options = OpenOptions(window);
    DeleteRegistryKey(wine);
    ASSERT_TRUE(options);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); })) << "hidden although stored off";
    EXPECT_EQ(top, StripEdge(ABE_TOP));
    EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(options, IDC_AUTO_HIDE, BM_GETCHECK, 0, 0));
    ClickBox(options, IDC_AUTO_HIDE);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ(AUTOHIDE_FIXED_TEXT, box.text);
    EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(options, IDC_AUTO_HIDE, BM_GETCHECK, 0, 0)) << "still on";
    PressButton(options, IDOK);
    Close(bar);
    EXPECT_EQ(BytesOf(Defaults(true)), Stored(user));
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
