// The status text on the screen: what the bar draws over the right end of
// its menu line, pixel for pixel the time composed and drawn here.
#include "status/status_text.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

using Pixels = std::vector<DWORD>;

// Canvas: the screen's top rows in a bitmap of our own.
struct Canvas {
    Canvas(int width, int height) : width(width), height(height)
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        SelectObject(dc, bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, (void**)&bits, nullptr, 0));
    }
    ~Canvas() { DeleteDC(dc), DeleteObject(bitmap); }
    Pixels Bits() { return GdiFlush(), Pixels(bits, bits + width * height); }
    // Settled: the screen once two reads in a row agree.
    Pixels Settled()
    {
        HDC screen = GetDC(nullptr);
        Pixels last, now;
        WaitFor([&] {
            last.swap(now);
            BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
            return (now = Bits()) == last;
        });
        ReleaseDC(nullptr, screen);
        return now;
    }
    // WithText: the pixels with the text where and as the bar draws it: in the
    // menu font and colour, ending 7 pixels before the right edge, centred.
    Pixels WithText(const Pixels& under, const char* text)
    {
        std::copy(under.begin(), under.end(), bits);
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
        HGDIOBJ font = SelectObject(dc, CreateFontIndirectA(&metrics.lfMenuFont));
        SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
        SetBkMode(dc, TRANSPARENT);
        SIZE size;
        TEXTMETRICA tm;
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        GetTextMetricsA(dc, &tm);
        TextOutA(dc, width - size.cx - 7, (GetSystemMetrics(SM_CYMENU) - tm.tmHeight + 10) / 2, text, lstrlenA(text));
        DeleteObject(SelectObject(dc, font));
        return Bits();
    }
    int width, height;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    DWORD* bits = nullptr;
};

std::string TimeText()
{
    char time[20] = "";
    GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, sizeof time);
    return time;
}

class Status : public BarTest {};

}  // namespace

TEST_F(Status, TheTimeStandsInTheMenuFontAtTheRightEnd)
{
    UserVariables timeOnly = Defaults(false);
    timeOnly.showFreeMemory = timeOnly.showDate = timeOnly.showUserName = 0;
    timeOnly.showTime = 1;
    BarProcess bar;
    HWND window = Start(bar, UserWith("e2e_status", timeOnly), {});
    Canvas canvas(GetSystemMetrics(SM_CXSCREEN), WindowRect(window).bottom);
    StatusInputs in = {};
    in.showTime = 1;
    char text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
    // The bar's own ten-second repaint or the turn of a minute may come
    // between the pictures: then look again. A wrong picture never matches.
    bool same = false;
    for (int attempt = 0; attempt < 5 && !same; ++attempt) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);  // the text goes
        Pixels background = canvas.Settled();
        std::string time = TimeText();
        DWORD_PTR result;
        SendMessageTimeoutA(window, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);  // and comes back
        Pixels shown = canvas.Settled();
        in.timeText = time.c_str();
        ComposeStatusText(in, text, battery);
        same = shown != background && TimeText() == time && shown == canvas.WithText(background, text);
    }
    EXPECT_TRUE(same) << "the drawn text differs from the time in the menu font at its place";
    Close(bar);
}
