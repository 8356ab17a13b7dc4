// The bar on the screen edge: the Options dialog moving it with the strip
// the shell reserves, a restarted shell, the old shell's bar that always
// hides, and auto-hide driven by the real pointer and the hot key.
#include "resources/resource.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int Height(HWND window) { return WindowRect(window).bottom - WindowRect(window).top; }
// Hidden at the top, 2 pixels of the bar stay on the screen.
bool HiddenAtTop(HWND window) { return WindowRect(window).bottom == 2; }
bool InViewAtTop(HWND window) { return WindowRect(window).top == 0; }

class Docking : public BarTest {
protected:
    HWND OpenOptions(HWND window)
    {
        PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0);
        return DialogOwnedBy(window);
    }
};

}  // namespace

TEST_F(Docking, OptionsMoveTheBarAndItsStripAndAreKeptAtTheEnd)
{
    std::string user = UserWith("e2e_options", Defaults(true));
    int top = StripEdge(ABE_TOP), bottom = StripEdge(ABE_BOTTOM);
    BarProcess bar;
    HWND window = Start(bar, user, {}), options = OpenOptions(window);
    ASSERT_TRUE(options);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); }));
    EXPECT_EQ(top, StripEdge(ABE_TOP)) << "a hidden bar reserves nothing";
    ClickBox(options, IDC_AUTO_HIDE);
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window) && StripEdge(ABE_TOP) == top + Height(window); }));
    ClickBox(options, IDC_DOCK_BOTTOM);
    EXPECT_TRUE(WaitFor([&] {
        return WindowRect(window).bottom == GetSystemMetrics(SM_CYSCREEN) &&
               StripEdge(ABE_BOTTOM) == bottom - Height(window) && StripEdge(ABE_TOP) == top;
    }));
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
    EXPECT_EQ(bottom, StripEdge(ABE_BOTTOM)) << "the strip is given back at the end";
    EXPECT_EQ(wav, Stored(user).chimeSound);
    EXPECT_EQ(0u, Stored(user).autoHide);
    EXPECT_EQ(1u, Stored(user).dockBottom);
}

TEST_F(Docking, ARestartedShellGetsTheStripBack)
{
    std::string user = UserWith("e2e_restart", Defaults(false));
    int top = StripEdge(ABE_TOP);
    BarProcess bar;
    HWND window = Start(bar, user, {});
    ASSERT_TRUE(WaitFor([&] { return StripEdge(ABE_TOP) == top + Height(window); }));
    APPBARDATA data = {sizeof data, window};
    SHAppBarMessage(ABM_REMOVE, &data);  // the host forgets the bar, as a restarted shell does
    ASSERT_TRUE(WaitFor([&] { return StripEdge(ABE_TOP) == top; }));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return StripEdge(ABE_TOP) == top + Height(window); }));
    Close(bar);
}

TEST_F(Docking, TheOldShellsBarAlwaysHidesAndReservesNothing)
{
    std::string user = UserWith("e2e_nt351", Defaults(false));
    WindowsVersionOverride nt("DeskRail.exe", "nt351");
    int top = StripEdge(ABE_TOP);
    BarProcess bar;
    HWND window = Start(bar, user, {}), options = OpenOptions(window);
    ASSERT_TRUE(options);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); })) << "hidden although stored off";
    EXPECT_EQ(top, StripEdge(ABE_TOP));
    EXPECT_TRUE(IsChecked(options, IDC_AUTO_HIDE));
    ClickBox(options, IDC_AUTO_HIDE);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ(AUTOHIDE_FIXED_TEXT, box.text);
    EXPECT_TRUE(IsChecked(options, IDC_AUTO_HIDE));
    PressButton(options, IDOK);
    Close(bar);
    EXPECT_EQ(1u, Stored(user).autoHide);
}

TEST_F(Docking, PointerAndHotKeyBringTheHiddenBarIn)
{
    std::string user = UserWith("e2e_autohide", Defaults(true));
    // Ctrl+Alt+Z is another program's: the bar falls back to Ctrl+Alt+A.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, 'Z'));
    BarProcess bar;
    HWND window = Start(bar, user, {});
    // The window the user works in is active, as on a desktop in use.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300, 9, 9, 0, 0, 0, 0);
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window) && GetForegroundWindow() == other; }));

    // The rightmost tenth of the edge leaves it hidden; left of it brings it in.
    int tenth = ScreenWidth() - ScreenWidth() / 10;
    for (int x : {tenth + 5, tenth + 6}) MoveMouse(x, x - tenth - 5);
    Sleep(300);
    EXPECT_TRUE(HiddenAtTop(window));
    for (int x : {tenth - 5, tenth - 6}) MoveMouse(x, tenth - 5 - x);
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window); }));
    Sleep(700);  // the poll finds the pointer on the bar
    EXPECT_TRUE(InViewAtTop(window));
    MoveMouse(ScreenWidth() / 2, 400);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); }, 1500)) << "the pointer left";

    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    EXPECT_TRUE(WaitFor([&] { return InViewAtTop(window) && GetForegroundWindow() == window; }));
    SetForegroundWindow(other);
    EXPECT_TRUE(WaitFor([&] { return HiddenAtTop(window); })) << "hides when another window is active";
    UnregisterHotKey(nullptr, 1);
    DestroyWindow(other);
    Close(bar);
}
