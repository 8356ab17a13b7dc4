// status_text.h: what the status text says, in which colour the battery
// figure is drawn, and when the hourly chime sounds.
#pragma once
#include <cstddef>
#include <cstdint>

enum { STATUS_TEXT_SIZE = 105, BATTERY_TEXT_SIZE = 8 };

// StatusInputs: the values of one refresh. A null text means its query
// failed; that part is then left out rather than shown as garbage.
struct StatusInputs {
    int showUserName;
    const char* userName;
    int showTime;
    const char* timeText;
    int showDate;
    const char* dateText;
    int showFreeMemory;
    uint64_t availableBytes;
    int showBattery;
    int batteryPercent;  // 0..100, 255 when the platform reports none
};

enum { STATUS_PARTS = 5 };

// StatusParts: where each part shown in the text begins, left to right.
struct StatusParts {
    int count;
    int start[STATUS_PARTS];
};

// ComposeStatusText: user, time, date, free memory, battery, in this order.
// The battery part alone goes to battery ("" when not shown), to be drawn
// again in its colour.
void ComposeStatusText(const StatusInputs& in, char (&text)[STATUS_TEXT_SIZE], char (&battery)[BATTERY_TEXT_SIZE],
                       StatusParts* parts = nullptr);

// FirstFittingPart: the status text yields to the menu titles. tailWidths[i]
// is the width of the text from part i to its end; the answer is the first
// part from which the rest fits into room, so whole parts are left out from
// the left. When not even the last part fits, it is the last part, which the
// caller clips at the titles' end; -1 when there are no parts.
int FirstFittingPart(const int32_t* tailWidths, int count, int32_t room);

struct Rgb {
    uint8_t red, green, blue;
};

// BatteryColour: green above 25 % (and when no charge is reported), yellow
// from 11 to 25 %, dark red at 10 % and below.
Rgb BatteryColour(int percent);

// ChimeDue: the chime check of one refresh at that minute of the hour. The
// first call in minute 0 sets the latch and answers 1; minute 1 clears it.
int ChimeDue(int minute, bool& chimePlayed);

// ChimeAfterSleep: the machine woke in that minute. A full hour that began
// while it slept is not rung late, and the latch of an hour before the sleep
// is let go, so the next full hour rings.
void ChimeAfterSleep(int minute, bool& chimePlayed);
