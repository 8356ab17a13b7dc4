// The status text on the screen: what the bar draws over the right end of
// its menu line, pixel for pixel the time composed and drawn here.
#include "status/status_text.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

using Pixels = std::vector<DWORD>;

// Canvas: a picture of the screen's top rows.
struct Canvas {
    Canvas(int width, int height) : width(width), height(height), dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        SelectObject(dc, bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, (void**)&bits, nullptr, 0));
    }
    ~Canvas() { DeleteDC(dc), DeleteObject(bitmap); }
    Pixels Screen()
    {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        ReleaseDC(nullptr, screen);
        return Bits();
    }
    // Settled: the screen once two reads in a row agree.
    Pixels Settled()
    {
        Pixels last = Screen(), now;
        WaitFor([&] { return (now = Screen()) == last || (last = now, false); }, 2000);
        return now;
    }
    // WithText: the pixels with the text where and as the bar draws it: in the
    // menu font and colour, ending 7 pixels before the right edge, centred.
    Pixels WithText(const Pixels& under, const char* text)
    {
        std::copy(under.begin(), under.end(), bits);
        NONCLIENTMETRICSA metrics = {sizeof metrics};
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
        HGDIOBJ font = SelectObject(dc, CreateFontIndirectA(&metrics.lfMenuFont));
        SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
        SetBkMode(dc, TRANSPARENT);
        SIZE size;
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        TextOutA(dc, width - size.cx - 7, (GetSystemMetrics(SM_CYMENU) - tm.tmHeight + 10) / 2, text, lstrlenA(text));
        DeleteObject(SelectObject(dc, font));
        return Bits();
    }
    Pixels Bits() { return GdiFlush(), Pixels(bits, bits + width * height); }

    int width, height;
    HDC dc;
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
    std::string user = UserWith("e2e_status", timeOnly);
    BarProcess bar;
    HWND window = Start(bar, user, {});
    Canvas canvas(GetSystemMetrics(SM_CXSCREEN), WindowRect(window).bottom);
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
        StatusInputs in = {};
        in.showTime = 1;
        in.timeText = time.c_str();
        char text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
        ComposeStatusText(in, text, battery);
        same = shown != background && TimeText() == time && shown == canvas.WithText(background, text);
    }
    EXPECT_TRUE(same) << "the drawn text differs from the time in the menu font at its place";
    Close(bar);
}
