// status_line_win.cpp: paints the status text over the right end of the
// bar's menu line, and plays the hourly chime.
#include "status/status_line_win.h"

#include <cstring>

#include "base/menu_titles_win.h"
#include "base/messages.h"
#include "base/seams_win.h"
#include "base/text.h"
#include "base/texts.h"
#include "base/handles_win.h"
#include "settings/user_variables.h"
#include "status/status_text.h"

uint64_t AvailableMemory()
{
    if (Seams.memoryStatusEx) {
        MEMORYSTATUSEX memory = {};
        memory.dwLength = sizeof memory;
        if (Seams.memoryStatusEx(&memory)) return memory.ullAvailPhys;
    }
    MEMORYSTATUS memory = {};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    return memory.dwAvailPhys;
}

namespace {

struct StatusSnapshot {
    char text[STATUS_TEXT_SIZE];
    char battery[BATTERY_TEXT_SIZE];
    int batteryPercent;
    StatusParts parts;
};

// The text keeps this many pixels from the right edge and from the last menu title.
const int32_t STATUS_MARGIN = 7;

// Set while the status text wipes its old self by redrawing the menu bar: the
// frame painted then is drawn over once, afterwards.
bool wiping;

// The text on the bar, and the box it was drawn in (window coordinates): every
// frame the system paints gets the text again, and a tick with the same text
// has nothing to do.
StatusSnapshot onBar;
RECT onBarBox;

// The chime of this hour has sounded.
bool chimePlayed;

bool SameStatus(const StatusSnapshot& a, const StatusSnapshot& b)
{
    return std::strcmp(a.text, b.text) == 0 && std::strcmp(a.battery, b.battery) == 0 &&
           a.batteryPercent == b.batteryPercent;
}

void ComposeNow(const StatusScene& scene, StatusSnapshot& snapshot)
{
    const UserVariables& options = *scene.options;
    char time[20], date[25];
    StatusInputs in = {};
    in.showUserName = options.showUserName != 0;
    in.userName = scene.userName;
    in.showTime = options.showTime != 0;
    in.timeText =
        GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, sizeof time) ? time : nullptr;
    in.showDate = options.showDate != 0;
    in.dateText = GetDateFormatA(LOCALE_SYSTEM_DEFAULT, 0, nullptr, nullptr, date, sizeof date) ? date : nullptr;
    in.showFreeMemory = options.showFreeMemory != 0;
    in.availableBytes = AvailableMemory();
    in.showBattery = scene.onBattery;
    snapshot.batteryPercent = 255;
    if (in.showBattery) {
        SYSTEM_POWER_STATUS power = {};
        // A failed query says nothing: its zeros would read as an empty battery.
        if (GetSystemPowerStatus(&power)) snapshot.batteryPercent = power.BatteryLifePercent;
        else in.showBattery = 0;
    }
    in.batteryPercent = snapshot.batteryPercent;
    ComposeStatusText(in, snapshot.text, snapshot.battery, &snapshot.parts);
}

// CreateMenuFont: the font of menus; null where the old shell has none.
HFONT CreateMenuFont(bool newShell)
{
    if (!newShell) return nullptr;
    static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the metrics record of the older shells");
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0)) return nullptr;
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

int TextWidth(HDC dc, const char* text)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size.cx;
}

// TitlesEnd: where the last menu title ends, and how far its row lies below
// the first; 0 and 0 where the system cannot tell.
int32_t TitlesEnd(HWND bar, int32_t& rowOffset)
{
    rowOffset = 0;
    RECT first, last;
    int titles = MenuTitleCount(bar);
    if (titles <= 0 || !MenuTitleRect(bar, 0, first) || !MenuTitleRect(bar, titles - 1, last)) return 0;
    // In whole menu lines, as the bar's height counts them.
    int32_t line = GetSystemMetrics(SM_CYMENU);
    rowOffset = (last.top - first.top + line / 2) / line * line;
    return last.right;
}

// PaintStatusText: the text on the bar, over the menu line in dc.
void PaintStatusText(const StatusScene& scene, HDC dc)
{
    const StatusSnapshot& snapshot = onBar;
    HWND bar = scene.bar;
    const int32_t screenWidth = scene.screenWidth;
    GdiObject font(CreateMenuFont(scene.newShell));
    HGDIOBJ previousFont = font.object ? SelectObject(dc, font.object) : nullptr;
    COLORREF previousColour = SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
    SetBkMode(dc, TRANSPARENT);

    // On the last title's row, right of it: whole parts yield from the left,
    // and what is left is clipped where the titles end.
    int32_t rowOffset, titlesEnd = TitlesEnd(bar, rowOffset), right = screenWidth - STATUS_MARGIN;
    int32_t tails[STATUS_PARTS];
    for (int part = 0; part < snapshot.parts.count; ++part)
        tails[part] = TextWidth(dc, snapshot.text + snapshot.parts.start[part]);
    int first = FirstFittingPart(tails, snapshot.parts.count, right - titlesEnd - STATUS_MARGIN);
    const char* shown = first < 0 ? "" : snapshot.text + snapshot.parts.start[first];
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    int y = rowOffset + (GetSystemMetrics(SM_CYMENU) - metrics.tmHeight + 10) / 2;
    RECT room = {titlesEnd ? titlesEnd + STATUS_MARGIN : 0, rowOffset, screenWidth, y + metrics.tmHeight};
    int32_t left = right - TextWidth(dc, shown);
    ExtTextOutA(dc, left, y, ETO_CLIPPED, &room, shown, lstrlenA(shown), nullptr);
    // A glyph's ink may reach a pixel beyond its cell.
    onBarBox = RECT{left > room.left ? left - 1 : room.left, y, right + 2, y + metrics.tmHeight};
    if (snapshot.battery[0]) {
        Rgb colour = BatteryColour(snapshot.batteryPercent);
        SetTextColor(dc, RGB(colour.red, colour.green, colour.blue));
        ExtTextOutA(dc, right - TextWidth(dc, snapshot.battery), y, ETO_CLIPPED, &room, snapshot.battery,
                    lstrlenA(snapshot.battery), nullptr);
    }

    // Our font leaves the DC before it is deleted.
    if (font.object) SelectObject(dc, previousFont);
    SetTextColor(dc, previousColour);
}

// WipeOldText: the box of the text on the bar painted over, row by row, in
// the colours of the menu line right beside it, which the system painted. An
// idle bar's new text every ten seconds costs a few pixels instead of the
// frame and menu line painted anew (under Wine a round trip to the desktop's
// process as well). False, and nothing painted, where that column is covered
// or there is none between the text and the frame.
bool WipeOldText(HWND bar, HDC dc)
{
    RECT frame, client;
    POINT origin = {0, 0};
    if (!GetWindowRect(bar, &frame) || !GetClientRect(bar, &client) || !ClientToScreen(bar, &origin)) return false;
    const int32_t column = onBarBox.right, menuRight = origin.x - frame.left + client.right;
    COLORREF rows[64];
    const int count = onBarBox.bottom - onBarBox.top;
    if (column >= menuRight || count <= 0 || count > 64) return false;
    for (int row = 0; row < count; ++row)
        if ((rows[row] = GetPixel(dc, column, onBarBox.top + row)) == CLR_INVALID) return false;
    COLORREF previous = GetBkColor(dc);
    for (int row = 0, end; row < count; row = end) {
        for (end = row + 1; end < count && rows[end] == rows[row];) ++end;
        // An opaque empty text fills its rectangle without a brush to create.
        RECT band = {onBarBox.left, onBarBox.top + row, onBarBox.right, onBarBox.top + end};
        SetBkColor(dc, rows[row]);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
    }
    SetBkColor(dc, previous);
    return true;
}

void CheckChime(const UserVariables& options)
{
    if (!options.hourlyChime) return;
    SYSTEMTIME now;
    Seams.readChimeClock(&now);
    if (!ChimeDue(now.wMinute, chimePlayed)) return;
    // The stored path may fill its field without a terminator.
    char path[sizeof options.chimeSound + 1];
    FieldText(path, options.chimeSound);
    if (!Seams.playChimeSound(path)) ShowWarning(WAV_FAILED_TEXT);
}

// ShowOnBar: the text on the bar in place of the one drawn before.
void ShowOnBar(const StatusScene& scene)
{
    {
        WindowDC window(scene.bar);
        if (!window.dc) return;
        if (WipeOldText(scene.bar, window.dc)) return PaintStatusText(scene, window.dc);
    }
    // The system paints the frame and menu line anew, which wipes the old text.
    wiping = true;
    DrawMenuBar(scene.bar);
    wiping = false;
    WindowDC window(scene.bar);
    if (window.dc) PaintStatusText(scene, window.dc);
}

// RefreshStatus: the status text composed now and shown where the bar is in
// view (evenUnchanged: also when it reads as before).
void RefreshStatus(const StatusScene& scene, bool evenUnchanged)
{
    if (!scene.shown) return;
    StatusSnapshot now;
    ComposeNow(scene, now);
    if (evenUnchanged || !SameStatus(now, onBar)) {
        onBar = now;
        ShowOnBar(scene);
    }
}

}  // namespace

void DrawStatusText(const StatusScene& scene) { RefreshStatus(scene, true); }

void UpdateStatusLine(const StatusScene& scene)
{
    RefreshStatus(scene, false);
    CheckChime(*scene.options);
}

void RepaintStatusText(const StatusScene& scene)
{
    if (wiping || !scene.bar) return;
    if (!scene.shown) {
        // The frame was painted without the text: where any is left is not
        // known, so the next one has the system paint the menu line anew.
        onBarBox = RECT{};
        return;
    }
    WindowDC window(scene.bar);
    if (window.dc) PaintStatusText(scene, window.dc);
}

void StatusAfterSleep(const StatusScene& scene)
{
    if (scene.options->hourlyChime) {
        SYSTEMTIME now;
        Seams.readChimeClock(&now);
        ChimeAfterSleep(now.wMinute, chimePlayed);
    }
    DrawStatusText(scene);
}
