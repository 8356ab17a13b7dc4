#include "status/status_text.h"

#include <cstring>

#include "base/text.h"

namespace {
// Part: a part's text, or "" when it is off or its query failed.
void Part(char* out, size_t size, int shown, const char* format, const char* value)
{
    out[0] = '\0';
    if (shown && value) FormatTextN(out, size, format, value);
}
}  // namespace

void ComposeStatusText(const StatusInputs& in, char (&text)[STATUS_TEXT_SIZE], char (&battery)[BATTERY_TEXT_SIZE],
                       StatusParts* parts)
{
    char user[32], time[24], date[28], memory[16];
    Part(user, sizeof user, in.showUserName, "%s  ", in.userName ? in.userName : "");
    Part(time, sizeof time, in.showTime, "%s  ", in.timeText);
    Part(date, sizeof date, in.showDate, "%s  ", in.dateText);
    memory[0] = '\0';
    // Unsigned kilobytes: 32 bits of them reach 4 TB.
    if (in.showFreeMemory)
        FormatTextN(memory, sizeof memory, "%luk ", static_cast<unsigned long>(in.availableBytes / 1024));
    battery[0] = '\0';
    if (in.showBattery) {
        if (in.batteryPercent == 255)
            CopyText(battery, "--%");
        else
            FormatTextN(battery, sizeof battery, "%d%%", in.batteryPercent);
    }
    FormatTextN(text, sizeof text, "%s%s%s%s%s", user, time, date, memory, battery);
    if (!parts) return;
    parts->count = 0;
    const int length = static_cast<int>(std::strlen(text));
    int at = 0;
    const char* const shown[STATUS_PARTS] = {user, time, date, memory, battery};
    for (const char* part : shown) {
        if (!part[0]) continue;
        if (at >= length) break;  // cut off by the text's size
        parts->start[parts->count++] = at;
        at += static_cast<int>(std::strlen(part));
    }
}

int FirstFittingPart(const int32_t* tailWidths, int count, int32_t room)
{
    for (int part = 0; part < count; ++part)
        if (tailWidths[part] <= room) return part;
    return count - 1;
}

Rgb BatteryColour(int percent)
{
    if (percent > 25) return Rgb{0, 128, 0};
    if (percent > 10) return Rgb{255, 255, 0};
    return Rgb{192, 0, 0};
}

int ChimeDue(int minute, bool& chimePlayed)
{
    if (minute == 0 && !chimePlayed) {
        chimePlayed = true;  // before playing: a failing file is reported once an hour
        return 1;
    }
    if (minute == 1) chimePlayed = false;
    return 0;
}

void ChimeAfterSleep(int minute, bool& chimePlayed) { chimePlayed = minute == 0; }
