// What the status text says, and where the bar stands and slides.
#include <gtest/gtest.h>

#include "shell/bar_geometry.h"
#include "status/status_text.h"

TEST(StatusText, PartsInTheirOrderTheBatteryApartInItsColourAndTheChimeOnceAnHour)
{
    const std::string u(29, 'u'), t(19, 't'), d(24, 'd');
    const struct { StatusInputs in; std::string text, battery; } rows[] = {
        {{1, "Anna", 1, "14:35", 1, "06.12.2026", 1, 16777216, 1, 57}, "Anna  14:35  06.12.2026  16384k 57%", "57%"},
        {{0, "Anna", 0, "14:35", 0, "06.12.2026", 0, 16777216, 0, 57}, "", ""},
        {{1, "", 1, nullptr, 1, nullptr, 1, 1023, 1, 255}, "  0k --%", "--%"},  // failed queries, no charge reported
        {{1, u.c_str(), 1, t.c_str(), 1, d.c_str(), 1, 0xFFFFFFFFu, 1, 100}, u + "  " + t + "  " + d + "  4194303k 100%", "100%"},
        {{0, nullptr, 0, nullptr, 0, nullptr, 1, 6ull << 30, 0, 0}, "6291456k ", ""},  // beyond 32 bits of bytes
    };
    for (const auto& row : rows) {
        char text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
        ComposeStatusText(row.in, text, battery);
        EXPECT_EQ(row.text, text);
        EXPECT_EQ(row.battery, battery) << row.text;
    }
    // Green down to 26 %, yellow down to 11 %, red below.
    const struct { int percent; int colour; } colours[] = {{255, 0}, {26, 0}, {25, 1}, {11, 1}, {10, 2}, {0, 2}};
    for (const auto& c : colours) {
        const Rgb rgb = BatteryColour(c.percent);
        const bool green = rgb.green > rgb.red, yellow = rgb.red == rgb.green && rgb.red > rgb.blue;
        EXPECT_EQ(c.colour, green ? 0 : yellow ? 1 : 2) << c.percent;
    }
    // Refreshes by minute: one chime at the full hour, and no new one until a minute 1 was seen.
    const int steps[][2] = {{59, 0}, {0, 1}, {0, 0}, {1, 0}, {0, 1}, {5, 0}, {0, 0}};
    bool chimePlayed = false;
    for (const auto& step : steps) EXPECT_EQ(step[1], ChimeDue(step[0], chimePlayed)) << &step - steps;
}

TEST(BarGeometry, TheBarStandsAtItsEdgeHidesAllButTwoPixelsAndSlides)
{
    EXPECT_EQ(28, BarHeight(18)) << "a standard menu line makes a 28-pixel bar";
    const int32_t screen = 600, height = BarHeight(18);
    for (int bottom : {0, 1}) {
        EXPECT_EQ(bottom ? screen : height, InViewTop(bottom, screen, 18) + height);
        EXPECT_EQ(2, bottom ? screen - HiddenTop(bottom, screen, 18) : HiddenTop(bottom, screen, 18) + height);
        // The strip: at the edge of the shell's answer, across the whole width; nothing once released.
        StripRect strip = StripAfterQuery({0, 30, 700, screen - 40}, bottom, 18, 800);
        EXPECT_EQ(bottom ? screen - 40 - height : 30, strip.top);
        EXPECT_EQ(height, strip.bottom - strip.top);
        EXPECT_EQ(800, strip.right - strip.left);
        StripRect released = ReleasedStrip(bottom, screen);
        EXPECT_TRUE(released.top == (bottom ? screen : 0) && released.bottom == released.top);
    }
    EXPECT_TRUE(CursorBringsBarIn(920, 1023) && !CursorBringsBarIn(921, 1023)) << "the rightmost tenth leaves it hidden";
    EXPECT_GT(SlideDuration(true), SlideDuration(false)) << "hiding takes longer than coming in";
    // Start, target, elapsed, duration, top: toward zero, and no overflow.
    const int32_t slides[][5] = {{0, -26, 300, 300, -26}, {0, -26, 100, 300, -8}, {0, -1000000, 4000000, 4000000, -1000000}};
    for (const auto& s : slides) EXPECT_EQ(s[4], AnimationTop(s[0], s[1], s[2], s[3])) << s[0] << "+" << s[2];
    // The status timer fires on the next full ten seconds.
    for (int at = 0; at < 60000; at += 333) {
        uint32_t delay = AlignTimerDelay(at / 1000, at % 1000);
        EXPECT_TRUE(delay >= 1 && delay <= 10000 && (at + delay) % 10000 == 0) << at << " + " << delay;
    }
}
