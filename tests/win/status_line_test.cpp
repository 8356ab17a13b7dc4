// The status text painted over the bar's menu line, compared pixel for pixel
// with the same text drawn by the test, and the hourly chime.
#include <gtest/gtest.h>

#include <string>

#include "menus/menu_model.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"
#include "shell/text.h"
#include "status/status_line_win.h"
#include "win_driver.h"

using namespace driver;

namespace {

// Capture: the bar's whole window as the screen shows it.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
};

Capture CaptureWindow(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    Capture capture;
    capture.width = rect.right - rect.left;
    capture.height = rect.bottom - rect.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, capture.width, capture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, source, 0, 0, SRCCOPY);
    for (int y = 0; y < capture.height; ++y)
        for (int x = 0; x < capture.width; ++x) capture.pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return capture;
}

int CountDiffering(const Capture& a, const Capture& b, int fromX)
{
    int differing = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = fromX; x < a.width; ++x) differing += a.At(x, y) != b.At(x, y);
    return differing;
}

class StatusLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        appInstance = GetModuleHandleA(nullptr);
        newShell = 1;
        powerStatusAvailable = 0;
        screenWidth = GetSystemMetrics(SM_CXSCREEN);
        screenHeight = GetSystemMetrics(SM_CYSCREEN);
        SetDefaultUserVariables(userVariables);
        userVariables.autoHide = 0;
        userVariables.showFreeMemory = 0;
        userVariables.showTime = 0;
        CopyText(userName, "Anna");
        ASSERT_NE(0, RegisterBarClass());
        ASSERT_EQ(1, CreateBarWindow());
        Sleep(100);
    }
    void TearDown() override
    {
        if (barWindowHandle) DestroyWindow(barWindowHandle);
        barWindowHandle = nullptr;
        UnregisterClassA("DRClass", appInstance);
        FreeAllUserMenus();
        FreeCommandBindings();
        playChimeSound = savedPlay;
        readUtcClock = savedClock;
    }
    ChimeSoundFunction savedPlay = playChimeSound;
    UtcClockFunction savedClock = readUtcClock;
};

}  // namespace

TEST_F(StatusLine, UserNameIsDrawnAtTheRightEnd)
{
    UpdateStatusLine();
    Capture empty = CaptureWindow(barWindowHandle);
    userVariables.showUserName = 1;
    UpdateStatusLine();
    Capture shown = CaptureWindow(barWindowHandle);
    printf("differ %d\n", CountDiffering(empty, shown, 0));
    EXPECT_GT(CountDiffering(empty, shown, screenWidth - 100), 20);
}
