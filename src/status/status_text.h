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

// ComposeStatusText: user, time, date, free memory, battery, in this order.
// The battery part alone goes to battery ("" when not shown), to be drawn
// again in its colour.
void ComposeStatusText(const StatusInputs& in, char (&text)[STATUS_TEXT_SIZE], char (&battery)[BATTERY_TEXT_SIZE]);

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
