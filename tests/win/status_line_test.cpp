// The status text painted over the bar's menu line, compared pixel for pixel
// with the same text drawn by the test, and the hourly chime.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "menus/menu_model.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"
#include "shell/text.h"
#include "status/status_line_win.h"
#include "win_driver.h"
#include "win_inprocess_bar.h"

using namespace driver;

namespace {

// The test's clock and sound device: the real asynchronous call reports
// success even without a device, and the hour cannot be waited for.
WORD fakeMinute;
bool soundWorks;
std::vector<std::string> played;

void WINAPI FakeClock(LPSYSTEMTIME now)
{
    GetSystemTime(now);
    now->wMinute = fakeMinute;
}

BOOL WINAPI FakeSound(const char* path)
{
    played.push_back(path);
    return soundWorks;
}

int PaintedPixels()
{
    // The right end of the menu line, where the text would stand.
    HDC dc = GetWindowDC(barWindowHandle);
    int painted = 0;
    COLORREF menu = GetSysColor(COLOR_MENU);
    for (int x = screenWidth - 120; x < screenWidth - 7; ++x)
        for (int y = 4; y < GetSystemMetrics(SM_CYMENU) + 4; ++y) painted += GetPixel(dc, x, y) != menu;
    ReleaseDC(barWindowHandle, dc);
    return painted;
}

class StatusLine : public InProcessBarTest {
protected:
    void SetUp() override
    {
        InProcessBarTest::SetUp();
        userVariables.autoHide = 0;
        CopyText(userName, "Anna");
        fakeMinute = 0;
        soundWorks = false;
        played.clear();
        chimePlayed = 0;
        playChimeSound = FakeSound;
        readUtcClock = FakeClock;
        CreateBar();
    }
};

}  // namespace

TEST_F(StatusLine, FailingChimeWarnsOncePerHour)
{
    userVariables.hourlyChime = 1;
    CopyText(userVariables.chimeSound, "C:\\fehlt.wav");
    BoxWatcher boxes;
    for (int call = 0; call < 6; ++call) UpdateStatusLine();  // 10:00:00 .. 10:00:50
    std::vector<Box> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("DeskRail", shown[0].caption);
    EXPECT_EQ("Fehler beim Abspielen einer WAV-Datei.\nÜberprüfen Sie Pfad und Dateiname.", shown[0].text);
    ASSERT_EQ(1u, played.size());
    EXPECT_EQ("C:\\fehlt.wav", played[0]);

    fakeMinute = 1;
    UpdateStatusLine();
    fakeMinute = 0;
    UpdateStatusLine();
    EXPECT_EQ(1u, boxes.Take().size()) << "the next hour tries again";

    userVariables.hourlyChime = 0;
    fakeMinute = 1;
    UpdateStatusLine();
    userVariables.hourlyChime = 1;
    fakeMinute = 0;
    UpdateStatusLine();
    EXPECT_TRUE(boxes.Take().empty()) << "the latch only moves while the chime is on";
    EXPECT_EQ(2u, played.size());
}

TEST_F(StatusLine, HiddenBarPaintsNothingButStillChimes)
{
    userVariables.showUserName = 1;
    userVariables.hourlyChime = 1;
    soundWorks = true;
    // A path filling its whole field, without a terminator, goes out whole.
    std::memset(userVariables.chimeSound, 'w', sizeof userVariables.chimeSound);
    RedrawWindow(barWindowHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    barShown = 0;
    UpdateStatusLine();
    EXPECT_EQ(0, PaintedPixels());
    ASSERT_EQ(1u, played.size());
    EXPECT_EQ(std::string(128, 'w'), played[0]);

    barShown = 1;
    UpdateStatusLine();
    EXPECT_GT(PaintedPixels(), 10) << "the user name is drawn once the bar is in view";
}
