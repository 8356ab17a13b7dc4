// The running bar seen from outside: its window, docking with the shell,
// auto-hide driven by the real pointer, the hot key, the popup and the end.
#include <gtest/gtest.h>

#include "win_bar_fixture.h"

using namespace driver;

namespace {

int MenuHeight() { return GetSystemMetrics(SM_CYMENU); }
int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
int HiddenTopAtTop() { return -8 - MenuHeight(); }

// WaitPastAlignTimer: the bar's first status timer, at the next full ten
// seconds after it showed, stops a running auto-hide poll until the next
// mouse move. A test that needs the poll for a while starts far from it.
void WaitPastAlignTimer(DWORD needMs)
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    DWORD toBoundary = (10 - now.wSecond % 10) * 1000 - now.wMilliseconds;
    if (toBoundary < needMs) Sleep(toBoundary + 150);
}

// TheUserWorksElsewhere: a window of this process takes the activation, as
// the program the user works in would.
class OtherWindow {
public:
    OtherWindow()
    {
        window = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 300, 300, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
        Activate();
    }
    ~OtherWindow() { DestroyWindow(window); }
    void Activate()
    {
        SetForegroundWindow(window);
        WaitFor([&] { return GetForegroundWindow() == window; }, 1000);
    }

private:
    HWND window;
};

// A menu window (class #32768) of that process is open.
bool MenuOpen(DWORD processId) { return FindProcessWindow(processId, "#32768", nullptr) != nullptr; }

// HotKeyHolder: takes a hot key the way another program would.
class HotKeyHolder {
public:
    HotKeyHolder(int id, UINT key) : id(id) { held = RegisterHotKey(nullptr, id, MOD_ALT | MOD_CONTROL, key); }
    ~HotKeyHolder()
    {
        if (held) UnregisterHotKey(nullptr, id);
    }
    bool held;

private:
    int id;
};

class Bar : public BarTest {
protected:
    void TearDown() override
    {
        MoveMouse(ScreenWidth() / 2, ScreenHeight() / 2);
        BarTest::TearDown();
    }
};

}  // namespace

TEST_F(Bar, WindowSpansTheScreenEdgeWithItsStyles)
{
    std::string user = UserWith("e2e_bar_window", Options::InView());
    for (const char* arguments : {"", " -s +b"}) {
        bool bottom = arguments[0] != '\0';
        BarProcess bar;
        HWND window = StartExpecting(bar, user + arguments, {});
        char className[32];
        GetClassNameA(window, className, sizeof className);
        EXPECT_STREQ("DRClass", className);
        EXPECT_EQ("DeskRail", WindowText(window));
        LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        EXPECT_EQ(bottom ? 0x80 : 0x88, exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));
        EXPECT_EQ(0x80400000u, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS));
        RECT rect;
        ASSERT_TRUE(GetWindowRect(window, &rect));
        int height = MenuHeight() + 10;
        EXPECT_EQ(0, rect.left);
        EXPECT_EQ(ScreenWidth(), rect.right - rect.left);
        EXPECT_EQ(height, rect.bottom - rect.top);
        EXPECT_EQ(bottom ? ScreenHeight() - height : 0, rect.top);
        CloseNormally(bar);
    }
}

TEST_F(Bar, DockedBarReservesItsStripWhileItRuns)
{
    std::string user = UserWith("e2e_bar_strip", Options::InView());
    int before = StripEdge(ABE_TOP);
    BarProcess bar;
    StartExpecting(bar, user, {});
    EXPECT_EQ(before + MenuHeight() + 10, StripEdge(ABE_TOP));
    CloseNormally(bar);
    EXPECT_EQ(before, StripEdge(ABE_TOP)) << "the strip is given back at the end";
}

TEST_F(Bar, AutoHideFollowsThePointer)
{
    std::string user = UserWith("e2e_bar_autohide", Options());
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    ASSERT_TRUE(TopBecomes(window, HiddenTopAtTop())) << "slid out after start";
    OtherWindow elsewhere;

    // The rightmost tenth of the edge does not bring the bar in.
    MoveMouse(ScreenWidth() - ScreenWidth() / 10 + 5, 0);
    MoveMouse(ScreenWidth() - ScreenWidth() / 10 + 6, 1);
    Sleep(600);
    EXPECT_EQ(HiddenTopAtTop(), WindowTop(window));

    WaitPastAlignTimer(3000);
    MoveMouse(ScreenWidth() - ScreenWidth() / 10 - 5, 0);
    MoveMouse(ScreenWidth() - ScreenWidth() / 10 - 6, 1);
    ASSERT_TRUE(TopBecomes(window, 0)) << "the 2 visible pixels bring it in";

    // Resting on the bar keeps it; leaving slides it out within about a second.
    MoveMouse(100, 10);
    Sleep(800);
    EXPECT_EQ(0, WindowTop(window));
    MoveMouse(100, 400);
    EXPECT_TRUE(TopBecomes(window, HiddenTopAtTop(), 1200));
    CloseNormally(bar);
}

TEST_F(Bar, AutoHideAtTheBottomLeavesTwoPixels)
{
    Options bottom;
    bottom.dockBottom = 1;
    std::string user = UserWith("e2e_bar_bottom", bottom);
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    EXPECT_TRUE(TopBecomes(window, ScreenHeight() - 2));
    MoveMouse(50, ScreenHeight() - 1);
    MoveMouse(51, ScreenHeight() - 2);
    EXPECT_TRUE(TopBecomes(window, ScreenHeight() - MenuHeight() - 10));
    CloseNormally(bar);
}

TEST_F(Bar, HotKeyFallsBackBringsTheBarAndOpensItsMenu)
{
    std::string user = UserWith("e2e_bar_hotkey", Options());
    HotKeyHolder z(0x7001, 'Z');
    ASSERT_TRUE(z.held);
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});  // no warning: Ctrl+Alt+A is free
    ASSERT_TRUE(TopBecomes(window, HiddenTopAtTop()));

    OtherWindow elsewhere;
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    ASSERT_TRUE(TopBecomes(window, 0)) << "the hot key brings the bar in";
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; }, 1000));
    // The menu bar is in keyboard mode: the arrow key opens the first menu.
    PressKeys({VK_DOWN});
    EXPECT_TRUE(WaitFor([&] { return MenuOpen(bar.Id()); }, 2000));
    PressKeys({VK_ESCAPE});
    PressKeys({VK_ESCAPE});
    Sleep(700);
    EXPECT_EQ(0, WindowTop(window)) << "an active bar stays in view";

    // Another window taking the activation slides the bar out at once.
    elsewhere.Activate();
    EXPECT_TRUE(TopBecomes(window, HiddenTopAtTop(), 400));
    CloseNormally(bar);
}

TEST_F(Bar, BothHotKeysTakenGiveOneWarning)
{
    std::string user = UserWith("e2e_bar_nohotkey", Options());
    HotKeyHolder z(0x7001, 'Z'), a(0x7002, 'A');
    ASSERT_TRUE(z.held && a.held);
    BarProcess bar;
    StartExpecting(bar, user, {"Tastaturkürzel für DeskRail konnte nicht installiert werden!"});
    CloseNormally(bar);
}

TEST_F(Bar, PopupOffersAboutWhichOnlyOkCloses)
{
    std::string user = UserWith("e2e_bar_popup", Options::InView());
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    RightClick(ScreenWidth() / 2, 3);
    ASSERT_TRUE(WaitFor([&] { return MenuOpen(bar.Id()); }, 2000)) << "no popup on a right click";
    PressKeys({'D'});  // "Über &DeskRail ..."
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = FindProcessWindow(bar.Id(), "#32770", "Über DeskRail")) != nullptr; }));
    EXPECT_EQ(window, GetWindow(about, GW_OWNER));
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);  // what Esc sends
    Sleep(300);
    EXPECT_TRUE(IsWindow(about)) << "Esc must not close it";
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));

    // "DeskRail &beenden" from the popup ends the bar. Elsewhere and later,
    // or the two clicks would make a double click.
    Sleep(GetDoubleClickTime() + 100);
    RightClick(ScreenWidth() / 4, 3);
    ASSERT_TRUE(WaitFor([&] { return MenuOpen(bar.Id()); }, 2000));
    PressKeys({'B'});
    ExpectExit0(bar);
}

TEST_F(Bar, ExitReleasesTheHotKeyThenSavesProfileThenOptions)
{
    // Both saves fail for real, so their warnings show the order. A volatile
    // parent key refuses the lasting key the options need; the profile named
    // after such a user lies in a folder that does not exist. The hot key
    // must already be free when the first warning shows.
    std::string parent = User("e2e_volatile");
    HKEY volatileKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, KeyOf(parent).c_str(), 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr));
    RegCloseKey(volatileKey);
    std::string user = parent + "\\child";

    BarProcess bar;
    StartExpecting(bar, user + " -f other.dr",
                   {"Fehler beim Zugriff auf die Windows-Registrierungsdatei!\nDas Standard-Setup wird benutzt."});
    ASSERT_TRUE(bar.Close());
    ASSERT_TRUE(WaitFor([&] { return !FindBoxes(bar.Id()).empty(); }));
    HotKeyHolder z(0x7003, 'Z');
    EXPECT_TRUE(z.held) << "the hot key is released before anything is saved";
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("Profildatei deskrail." + user +
                  " konnte nicht geschrieben werden.\nBitte überprüfen Sie die Datei.",
              box.text)
        << "without the registry the user's own profile replaces the named one";
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("Beim Sichern der Benutzer-Optionen in die\nWindows-Registrierungsdatei trat ein Fehler auf!", box.text);
    ExpectExit0(bar);
    EXPECT_FALSE(FileExists(dir.File("other.dr")));
}

TEST_F(Bar, WindowsNt351HidesAlwaysAndSlidesAnimated)
{
    std::string user = UserWith("e2e_bar_nt351", Options::InView());
    WindowsVersionOverride nt("DeskRail.exe", "nt351");
    int stripBefore = StripEdge(ABE_TOP);
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    ASSERT_TRUE(TopBecomes(window, HiddenTopAtTop())) << "hidden although stored off";
    EXPECT_EQ(stripBefore, StripEdge(ABE_TOP)) << "nothing reserved with the shell";
    MoveMouse(40, 0);
    MoveMouse(41, 1);
    int seen = HiddenTopAtTop();
    bool between = false;
    WaitFor([&] {
        seen = WindowTop(window);
        between = between || (seen > HiddenTopAtTop() && seen < 0);
        return seen == 0;
    });
    EXPECT_EQ(0, seen);
    EXPECT_TRUE(between) << "the slide jumped instead of moving";
    CloseNormally(bar);
}
