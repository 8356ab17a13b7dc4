// Where the bar stands and slides, and what its status text says.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/bar_geometry.h"
#include "status/status_text.h"

TEST(BarGeometry, TheBarStandsAtItsEdgeAndHidesAllButTwoPixels)
{
    EXPECT_EQ(28, BarHeight(18)) << "a standard menu line makes a 28-pixel bar";
    for (int32_t menuHeight : {18, 30})
        for (int dockBottom : {0, 1}) {
            SCOPED_TRACE(std::to_string(menuHeight) + (dockBottom ? " bottom" : " top"));
            const int32_t screen = 600, height = BarHeight(menuHeight);
            EXPECT_EQ(height - menuHeight, BarHeight(18) - 18);
            const int32_t inView = InViewTop(dockBottom, screen, menuHeight);
            const int32_t hidden = HiddenTop(dockBottom, screen, menuHeight);
            EXPECT_EQ(dockBottom ? screen : height, inView + height);
            EXPECT_EQ(2, dockBottom ? screen - hidden : hidden + height);

            // The strip follows the shell's answer at the docked edge, across the whole width.
            StripRect strip = StripAfterQuery({0, 30, 700, screen - 40}, dockBottom, menuHeight, 800);
            EXPECT_EQ(dockBottom ? screen - 40 - height : 30, strip.top);
            EXPECT_EQ(height, strip.bottom - strip.top);
            EXPECT_EQ(0, strip.left);
            EXPECT_EQ(800, strip.right);
            StripRect released = ReleasedStrip(dockBottom, screen);
            EXPECT_EQ(dockBottom ? screen : 0, released.top);
            EXPECT_EQ(released.top, released.bottom) << "nothing stays reserved";
        }
}

TEST(BarGeometry, OnlyTheRightmostTenthDoesNotBringTheBarIn)
{
    const struct {
        int32_t x, width;
        bool in;
    } rows[] = {{0, 800, true}, {719, 800, true}, {720, 800, false}, {799, 800, false},
                {920, 1023, true}, {921, 1023, false}};  // a tenth of 1023 is 102
    for (const auto& row : rows) EXPECT_EQ(row.in, CursorBringsBarIn(row.x, row.width)) << row.x << " of " << row.width;
}

TEST(BarGeometry, SlidesRunFromStartToTargetAndHidingTakesLonger)
{
    EXPECT_GT(SlideDuration(true), SlideDuration(false));
    const struct {
        int32_t start, target;
        uint32_t elapsed, duration;
        int32_t top;
    } rows[] = {
        {0, -26, 0, 300, 0},     {0, -26, 150, 300, -13}, {0, -26, 300, 300, -26},
        {0, -26, 100, 300, -8},  // -8.67 truncated toward zero
        {740, 766, 100, 300, 748}, {-26, 0, 100, 200, -13},
        {0, -1000000, 4000000, 4000000, -1000000},  // no overflow on long runs
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.top, AnimationTop(row.start, row.target, row.elapsed, row.duration)) << row.start << "+" << row.elapsed;
}

TEST(BarGeometry, TheStatusTimerFirstFiresOnTheNextFullTenSeconds)
{
    for (int second = 0; second < 60; ++second)
        for (int millisecond : {0, 1, 500, 999}) {
            uint32_t delay = AlignTimerDelay(second, millisecond);
            EXPECT_GE(delay, 1u);
            EXPECT_LE(delay, 10000u);
            EXPECT_EQ(0u, (second * 1000 + millisecond + delay) % 10000) << second << "." << millisecond;
        }
}

TEST(StatusText, PartsInTheirOrderAndTheBatteryApart)
{
    const std::string user(29, 'u'), time(19, 't'), date(24, 'd');
    const struct {
        StatusInputs in;
        std::string text, battery;
    } rows[] = {
        {{1, "Anna", 1, "14:35", 1, "06.12.2026", 1, 16777216, 1, 57}, "Anna  14:35  06.12.2026  16384k 57%", "57%"},
        {{0, "Anna", 0, "14:35", 0, "06.12.2026", 0, 16777216, 0, 57}, "", ""},
        {{0, nullptr, 1, "14:35", 0, nullptr, 0, 0, 0, 0}, "14:35  ", ""},
        {{1, "", 0, nullptr, 0, nullptr, 1, 1023, 0, 0}, "  0k ", ""},
        {{0, nullptr, 0, nullptr, 0, nullptr, 0, 0, 1, 255}, "--%", "--%"},  // no charge reported
        {{1, "Anna", 1, nullptr, 1, nullptr, 1, 16777216, 1, 5}, "Anna  16384k 5%", "5%"},  // failed queries
        {{1, user.c_str(), 1, time.c_str(), 1, date.c_str(), 1, 0xFFFFFFFFu, 1, 100},
         user + "  " + time + "  " + date + "  4194303k 100%", "100%"},
    };
    for (const auto& row : rows) {
        char text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
        ComposeStatusText(row.in, text, battery);
        EXPECT_EQ(row.text, text);
        EXPECT_EQ(row.battery, battery) << row.text;
    }
}

TEST(StatusText, BatteryTurnsYellowAtAQuarterAndRedAtATenth)
{
    auto same = [](Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; };
    const Rgb full = BatteryColour(100), low = BatteryColour(25), empty = BatteryColour(10);
    EXPECT_TRUE(full.green > full.red && full.green > full.blue) << "green";
    EXPECT_TRUE(low.red > low.blue && low.green > low.blue && low.red == low.green) << "yellow";
    EXPECT_TRUE(empty.red > empty.green && empty.red > empty.blue) << "red";
    EXPECT_TRUE(same(full, BatteryColour(26)) && same(full, BatteryColour(255)));  // 255: none reported
    EXPECT_TRUE(same(low, BatteryColour(11)));
    EXPECT_TRUE(same(empty, BatteryColour(0)));
}

TEST(StatusText, TheChimeSoundsOnceAnHour)
{
    // Refreshes every ten seconds: minute by minute, and whether the chime is due.
    std::vector<std::pair<int, int>> steps = {{59, 0}, {0, 1}, {0, 0}, {0, 0}, {1, 0}, {2, 0}, {0, 1},
                                              {5, 0}, {0, 0}};  // no refresh in minute 1: no new chime
    bool chimePlayed = false;
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].second, ChimeDue(steps[i].first, chimePlayed)) << "step " << i;
}
