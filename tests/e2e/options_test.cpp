// The Options dialog of a running bar, driven from outside: every check box
// acts at once, and the record reaches the registry at the end.
#include <gtest/gtest.h>

#include <string>

#include "win_bar_fixture.h"

using namespace driver;

namespace {

const WPARAM IDM_OPTIONS = 40001;

int MenuHeight() { return GetSystemMetrics(SM_CYMENU); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

// RightEnd: a fingerprint of the pixels where the status text stands.
std::vector<COLORREF> RightEnd(int top)
{
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    int width = GetSystemMetrics(SM_CXSCREEN);
    for (int y = top; y < top + MenuHeight() + 10; ++y)
        for (int x = width - 200; x < width; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

class OptionsDialog : public BarTest {
protected:
    HWND OpenOptions(BarProcess& bar, HWND window)
    {
        PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0);
        HWND dialog = nullptr;
        WaitFor([&] { return (dialog = FindProcessWindow(bar.Id(), "#32770", "Optionen")) != nullptr; });
        EXPECT_TRUE(dialog) << "no Options dialog";
        return dialog;
    }
    // Click: a click on the control; check boxes turn themselves.
    void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    bool Checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetField(HWND dialog, const std::string& text)
    {
        SendMessageA(GetDlgItem(dialog, 1003), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
};

}  // namespace

TEST_F(OptionsDialog, EveryBoxActsAtOnceAndIsSavedAtTheEnd)
{
    Options start = Options::InView();
    start.showFreeMemory = 0;
    start.showTime = 0;
    std::string user = UserWith("e2e_options", start);
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    int topStrip = StripEdge(ABE_TOP), bottomStrip = StripEdge(ABE_BOTTOM);
    HWND dialog = OpenOptions(bar, window);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(Checked(dialog, 1000));
    EXPECT_FALSE(Checked(dialog, 1032));

    Click(dialog, 1000);  // "Immer sichtbar" off
    EXPECT_TRUE(WaitFor([&] { return !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST); }));

    int height = MenuHeight() + 10;
    Click(dialog, 1038);  // "Unten"
    EXPECT_TRUE(TopBecomes(window, ScreenHeight() - height));
    EXPECT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == bottomStrip - height; }))
        << "the strip is reserved at the bottom";
    EXPECT_EQ(topStrip - height, StripEdge(ABE_TOP)) << "and no longer at the top";

    Click(dialog, 1032);  // "Automatisch im Hintergrund" on
    EXPECT_TRUE(TopBecomes(window, ScreenHeight() - 2));
    EXPECT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == bottomStrip; })) << "no strip while hiding";
    Click(dialog, 1032);  // and off again
    EXPECT_TRUE(TopBecomes(window, ScreenHeight() - height));
    EXPECT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == bottomStrip - height; }));

    std::vector<COLORREF> before = RightEnd(ScreenHeight() - height);
    Click(dialog, 1040);  // "Benutzername anzeigen"
    EXPECT_TRUE(WaitFor([&] { return RightEnd(ScreenHeight() - height) != before; })) << "the name appears";

    Click(dialog, 1001);  // "Stündlich läuten"
    EXPECT_TRUE(WaitFor([&] { return Checked(dialog, 1001); }));
    SetField(dialog, "C:\\gong.wav");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    CloseNormally(bar);

    std::vector<unsigned char> stored = Stored(user);
    ASSERT_EQ(160u, stored.size());
    EXPECT_EQ(0, stored[0]) << "alwaysOnTop";
    EXPECT_EQ(1, stored[4]) << "hourlyChime";
    EXPECT_EQ(1, stored[16]) << "dockBottom";
    EXPECT_EQ(0, stored[20]) << "autoHide";
    EXPECT_EQ(1, stored[28]) << "showUserName";
    EXPECT_STREQ("C:\\gong.wav", reinterpret_cast<const char*>(&stored[32]));
}

TEST_F(OptionsDialog, OkWantsAWavFileForTheChimeAndTakesSeventyNineCharacters)
{
    std::string user = UserWith("e2e_options_ok", Options::InView());
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    HWND dialog = OpenOptions(bar, window);
    ASSERT_TRUE(dialog);
    Click(dialog, 1001);
    ASSERT_TRUE(WaitFor([&] { return Checked(dialog, 1001); }));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("Bitte geben Sie den Namen einer WAV-Datei ein.", box.text);
    EXPECT_TRUE(IsWindow(dialog)) << "stays open";

    std::string path = "C:\\" + std::string(97, 'w');
    SetField(dialog, path);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    CloseNormally(bar);
    std::vector<unsigned char> stored = Stored(user);
    ASSERT_EQ(160u, stored.size());
    EXPECT_EQ(path.substr(0, 79), reinterpret_cast<const char*>(&stored[32]));
}

TEST_F(OptionsDialog, WindowsNt351KeepsAutoHideAndHidesAtTheNewEdge)
{
    std::string user = UserWith("e2e_options_nt", Options());
    WindowsVersionOverride nt("DeskRail.exe", "nt351");
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    HWND dialog = OpenOptions(bar, window);
    ASSERT_TRUE(dialog);
    Click(dialog, 1032);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("Automatisches Verstecken kann in Windows NT 3.x nicht abgeschaltet werden!", box.text);
    EXPECT_TRUE(Checked(dialog, 1032));

    Click(dialog, 1038);
    EXPECT_TRUE(TopBecomes(window, ScreenHeight() - 2)) << "moved to the bottom, then hidden";
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    CloseNormally(bar);
}
