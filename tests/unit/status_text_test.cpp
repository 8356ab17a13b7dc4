// The status text, the battery colour and the chime latch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "status/status_text.h"

namespace {
struct Composed {
    std::string text, battery;
};

Composed Compose(const StatusInputs& in)
{
    char text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
    std::memset(text, 'X', sizeof text);
    ComposeStatusText(in, text, battery);
    return {text, battery};
}

StatusInputs Everything()
{
    StatusInputs in = {};
    in.showUserName = 1;
    in.userName = "Anna";
    in.showTime = 1;
    in.timeText = "14:35";
    in.showDate = 1;
    in.dateText = "06.12.2026";
    in.showFreeMemory = 1;
    in.availableBytes = 16777216;
    in.showBattery = 1;
    in.batteryPercent = 57;
    return in;
}
}  // namespace

TEST(StatusText, PartsInTheirOrderAndFormats)
{
    Composed all = Compose(Everything());
    EXPECT_EQ("Anna  14:35  06.12.2026  16384k 57%", all.text);
    EXPECT_EQ("57%", all.battery);

    StatusInputs none = {};
    EXPECT_EQ("", Compose(none).text) << "all parts off";

    StatusInputs timeOnly = {};
    timeOnly.showTime = 1;
    timeOnly.timeText = "14:35";
    EXPECT_EQ("14:35  ", Compose(timeOnly).text);

    StatusInputs emptyUser = {};
    emptyUser.showUserName = 1;
    emptyUser.userName = "";
    emptyUser.showFreeMemory = 1;
    emptyUser.availableBytes = 1023;
    EXPECT_EQ("  0k ", Compose(emptyUser).text);
}

TEST(StatusText, BatteryWithoutChargeShowsDashes)
{
    StatusInputs in = {};
    in.showBattery = 1;
    in.batteryPercent = 255;
    Composed c = Compose(in);
    EXPECT_EQ("--%", c.text);
    EXPECT_EQ("--%", c.battery);
    in.showBattery = 0;
    EXPECT_EQ("", Compose(in).battery);
}

TEST(StatusText, FailedQueriesLeaveTheirPartOut)
{
    StatusInputs in = Everything();
    in.timeText = nullptr;
    in.dateText = nullptr;
    EXPECT_EQ("Anna  16384k 57%", Compose(in).text);
}

TEST(StatusText, LongestPartsStillFit)
{
    StatusInputs in = Everything();
    std::string user(29, 'u'), time(19, 't'), date(24, 'd');
    in.userName = user.c_str();
    in.timeText = time.c_str();
    in.dateText = date.c_str();
    in.availableBytes = 0xFFFFFFFFu;
    in.batteryPercent = 100;
    EXPECT_EQ(user + "  " + time + "  " + date + "  4194303k 100%", Compose(in).text);
}

TEST(StatusText, BatteryColours)
{
    auto is = [](Rgb c, int r, int g, int b) { return c.red == r && c.green == g && c.blue == b; };
    EXPECT_TRUE(is(BatteryColour(10), 192, 0, 0));
    EXPECT_TRUE(is(BatteryColour(0), 192, 0, 0));
    EXPECT_TRUE(is(BatteryColour(11), 255, 255, 0));
    EXPECT_TRUE(is(BatteryColour(25), 255, 255, 0));
    EXPECT_TRUE(is(BatteryColour(26), 0, 128, 0));
    EXPECT_TRUE(is(BatteryColour(255), 0, 128, 0)) << "no reported charge counts as green";
}

TEST(StatusText, ChimeSoundsOncePerHour)
{
    int32_t latch = 0;
    int chimes = 0;
    // Calls every ten seconds from 10:00:00 to 10:00:50, then 10:01:00.
    for (int call = 0; call < 6; ++call) chimes += ChimeDue(0, latch);
    EXPECT_EQ(1, chimes);
    EXPECT_EQ(1, latch);
    EXPECT_EQ(0, ChimeDue(1, latch));
    EXPECT_EQ(0, latch) << "minute 1 clears the latch";
    for (int minute = 2; minute < 60; ++minute) chimes += ChimeDue(minute, latch);
    EXPECT_EQ(1, chimes);
    EXPECT_EQ(1, ChimeDue(0, latch)) << "11:00:00 chimes again";
    // No call fell into minute 1: the next hour stays silent.
    EXPECT_EQ(0, ChimeDue(5, latch));
    EXPECT_EQ(0, ChimeDue(0, latch));
}
