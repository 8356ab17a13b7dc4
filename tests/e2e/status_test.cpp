// The status text of the running bar, read off the screen and compared pixel
// for pixel with the same text drawn here in the menu font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_bar_fixture.h"

using namespace driver;

namespace {

const UINT_PTR STATUS_TIMER = 0xE000;

// Picture: a piece of the screen, or a copy of one drawn on.
class Picture {
public:
    Picture(int width, int height) : width(width), height(height)
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        old = SelectObject(dc, bitmap);
        ReleaseDC(nullptr, screen);
    }
    ~Picture()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    void CopyScreen(int left, int top)
    {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, left, top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    void CopyFrom(const Picture& other) { BitBlt(dc, 0, 0, width, height, other.dc, 0, 0, SRCCOPY); }
    int Differing(const Picture& other) const
    {
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) count += GetPixel(dc, x, y) != GetPixel(other.dc, x, y);
        return count;
    }

    HDC dc;
    int width, height;

private:
    HBITMAP bitmap;
    HGDIOBJ old;
};

// DrawExpected: the text where and how the bar draws it: menu font, menu
// text colour, ending 7 pixels before the right edge, centred in the bar.
void DrawExpected(Picture& picture, const std::string& text)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
    HGDIOBJ old = SelectObject(picture.dc, font);
    SetTextColor(picture.dc, GetSysColor(COLOR_MENUTEXT));
    SetBkMode(picture.dc, TRANSPARENT);
    SIZE size;
    GetTextExtentPoint32A(picture.dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm;
    GetTextMetricsA(picture.dc, &tm);
    int x = GetSystemMetrics(SM_CXSCREEN) - size.cx - 7;
    int y = (GetSystemMetrics(SM_CYMENU) - tm.tmHeight + 10) / 2;
    TextOutA(picture.dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SelectObject(picture.dc, old);
    DeleteObject(font);
}

std::string TimeText()
{
    char time[20];
    GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, sizeof time);
    return time;
}

class Status : public BarTest {
protected:
    // Wipe: the menu line repainted by the system, which takes the text away.
    void Wipe(HWND bar)
    {
        RedrawWindow(bar, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        Sleep(100);
    }
    // Tick: what the ten-second timer does, now.
    void Tick(HWND bar)
    {
        PostMessageA(bar, WM_TIMER, STATUS_TIMER, 0);
        Sleep(150);
    }
    int Width() { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() { return GetSystemMetrics(SM_CYMENU) + 10; }
};

}  // namespace

TEST_F(Status, TimeIsDrawnInTheMenuFontAtItsPlace)
{
    Options timeOnly = Options::InView();
    timeOnly.showFreeMemory = 0;
    std::string user = UserWith("e2e_status_time", timeOnly);
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    Picture background(Width(), Height()), shown(Width(), Height()), expected(Width(), Height());
    // The minute may turn between the pictures; then look again.
    bool same = false;
    for (int attempt = 0; attempt < 3 && !same; ++attempt) {
        Wipe(window);
        background.CopyScreen(0, 0);
        std::string before = TimeText();
        Tick(window);
        shown.CopyScreen(0, 0);
        if (TimeText() != before) continue;
        expected.CopyFrom(background);
        DrawExpected(expected, before + "  ");
        EXPECT_GT(shown.Differing(background), 10) << "no text drawn";
        same = shown.Differing(expected) == 0;
    }
    EXPECT_TRUE(same) << "the drawn text differs from the time in the menu font";

    // A repaint by the system takes the text away; the next tick brings it back.
    Wipe(window);
    Picture wiped(Width(), Height());
    wiped.CopyScreen(0, 0);
    EXPECT_EQ(0, wiped.Differing(background));
    Tick(window);
    Picture back(Width(), Height());
    back.CopyScreen(0, 0);
    EXPECT_GT(back.Differing(background), 10);
    CloseNormally(bar);
}

TEST_F(Status, NothingIsDrawnWithAllPartsOff)
{
    Options none = Options::InView();
    none.showFreeMemory = 0;
    none.showTime = 0;
    std::string user = UserWith("e2e_status_none", none);
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    Wipe(window);
    Picture background(Width(), Height()), after(Width(), Height());
    background.CopyScreen(0, 0);
    Tick(window);
    after.CopyScreen(0, 0);
    EXPECT_EQ(0, after.Differing(background));
    CloseNormally(bar);
}
