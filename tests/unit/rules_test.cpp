// The command line, the options, the text helpers, the system's answers, the
// status text and where the bar stands and slides.
#include <gtest/gtest.h>

#include <cstring>

#include "base/command_words.h"
#include "base/system_info.h"
#include "base/texts.h"
#include "native_platform.h"
#include "shell/bar_geometry.h"
#include "shell/command_line.h"
#include "status/status_text.h"

TEST(CommandLine, TypedLinesGiveNamesOptionsKeysAndWarningsInOrder)
{
    const std::string q60 = "-" + std::string(59, 'q'), n29(29, 'n'), f127(127, 'f'), bad = BAD_FILE_NAME_TEXT;
    auto unknown = [](const std::string& shown) { return Formatted(UNKNOWN_OPTION_FORMAT, shown.c_str()); };
    const char letters[] = "scdmbatu";  // the switches, in the order of their options
    uint32_t UserVariables::* const options[] = {&UserVariables::alwaysOnTop, &UserVariables::hourlyChime,
        &UserVariables::showDate, &UserVariables::showFreeMemory, &UserVariables::dockBottom,
        &UserVariables::autoHide, &UserVariables::showTime, &UserVariables::showUserName};
    char key[USER_KEY_NAME_SIZE];
    // on: the letters of the options that are on once the switches are applied over the defaults.
    const struct { std::string line, user, profile, on; std::vector<std::string> warnings; } rows[] = {
        {"DeskRail.exe", "", "", "smat", {}},
        {"\"C:\\Program Files\\dr.exe\" anna\t" + n29 + "cut", n29, "deskrail." + n29, "smat", {}},
        // The program's name keeps its backslashes; after it, 2k of them before a quote give k.
        {"C:\\dr\\\"x y\\\" -f \"D:\\dr files\\\\\"x anna", "anna", "D:\\dr files\\x", "smat", {}},
        {"dr +f " + f127 + " anna", "anna", f127, "smat", {}},
        {"dr anna -f " + f127 + "g", "anna", "deskrail.anna", "smat", {bad}},
        {"dr -f -a +f +b anna", "anna", "deskrail.anna", "smat", {bad, bad}},  // a switch is no file name
        {"dr +s -c +d -m +b -a +t -u", "", "", "sdbt", {}},
        {"dr -S - +x -b +bxyz", "", "", "smbat", {unknown("-S"), unknown("-"), unknown("+x")}},
        {"dr " + q60 + " " + q60 + "Z", "", "", "smat", {unknown(q60), unknown(q60 + "...")}},
        {"dr anna. \"anna \" anna", "anna", "deskrail.anna", "smat", {bad, bad}},  // Windows drops the last "." or " "
        {"dr " + n29.substr(1) + ".x", "", "", "smat", {bad}},  // a name that ends in "." once cut
        // Names that would climb out of the program's folder or nest registry keys; words past the list's end.
        {"dr anna a/b c:d e*f g?h i\\\"j k<l m>n o|p \"q\tr\" beyond", "anna", "deskrail.anna", "smat",
         std::vector<std::string>(9, bad)},
    };
    for (const auto& row : rows) {
        std::string line = row.line;
        char* argv[11];
        int argc = SplitCommandWords(line.data(), argv, 11);
        ParsedArguments parsed;
        std::memset(&parsed, 0x55, sizeof parsed);
        ParseArguments(argc, argv, parsed);
        UserVariables applied;
        std::memset(&applied, 0xEE, sizeof applied);
        SetDefaultUserVariables(applied);
        ApplySwitches(applied, parsed.switches);
        std::string on;
        for (int k = 0; k < 8; ++k) on += applied.*options[k] ? std::string(1, letters[k]) : "";
        FormatUserKeyName(key, sizeof key, parsed.userName);
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.user, parsed.userName);
        EXPECT_EQ(row.profile, parsed.profileFileName);
        EXPECT_EQ(row.on, on);
        EXPECT_EQ(row.warnings, std::vector<std::string>(parsed.warnings.text, parsed.warnings.text + parsed.warnings.count));
        EXPECT_EQ("Software\\DeskRail\\" + (row.user.empty() ? "Default" : row.user), key) << "no user: the shared key";
    }
}

TEST(CommandLine, ASecondStartIsForTheRunningBarOfItsUserAndProfileFile)
{
    const struct { const char *user, *profile, *runningUser, *runningProfile; bool serves; } rows[] = {
        {"", "", "anna", "deskrail.anna", true},  // no name, no file: the bar that runs
        {"ANNA", "DESKRAIL.ANNA", "anna", "deskrail.anna", true},
        {"\xc4nne", "deskrail.\xc4nne", "\xe4nne", "deskrail.\xe4nne", true},  // "Änne" is "änne" to Windows
        {"bob", "deskrail.bob", "anna", "deskrail.anna", false},
        {"anna", "other.prf", "anna", "deskrail.anna", false},
        {"", "deskrail.anna", "anna", "deskrail.anna", false},  // a file alone is the shared key's
        {"ann", "deskrail.ann", "anna", "deskrail.anna", false},
        {"\xd7", "deskrail.\xd7", "\xf7", "deskrail.\xf7", false},  // the signs are no letters
    };
    for (const auto& row : rows) {
        SecondStart start = {};
        std::strcpy(start.userName, row.user), std::strcpy(start.profileFileName, row.profile);
        EXPECT_EQ(row.serves, ServesSecondStart(start, row.runningUser, row.runningProfile)) << row.user << row.profile;
    }
}

TEST(Text, FormatsSayWhetherTheyCutAndAStoredFieldKeepsNothingOfItsOldText)
{
    char four[4], field[6] = "abcde";  // copies and the list of warnings: the command line's fuzzer
    EXPECT_TRUE(FormatTextN(four, sizeof four, "%d", 123) && !FormatTextN(four, sizeof four, "%d", 4567));
    EXPECT_STREQ("456", four);
    StoreText(field, "ab");
    EXPECT_EQ(0, std::memcmp("ab\0\0\0\0", field, sizeof field));
}

TEST(SystemInfo, TheVersionDecidesWhatTheBarMayUse)
{
    // What runs, whether the shell docks application bars, whether the power status may be asked.
    const struct { const char* system; uint32_t version; const char* flags; } rows[] = {
        {"Windows 3.1 with Win32s", 0x80000A03, "---"}, {"Windows NT 3.51", 0x04213303, "r--"},
        {"Windows NT 4.0", 0x05650004, "rn-"}, {"Windows 95", 0xC3B60004, "rnp"}, {"Windows 10", 0x4A64000A, "rnp"}};
    for (const auto& row : rows) {
        SystemFlags f = ClassifyVersion(row.version);
        EXPECT_EQ(row.flags, std::string() + "-r"[f.runs] + "-n"[f.newShell] + "-p"[f.powerStatusAvailable]) << row.system;
    }
    char directory[16];
    const std::string fits(sizeof directory - 1, 'd');
    const struct { std::string modulePath, directory; } paths[] = {  // "-": none
        {"C:\\bar\\DeskRail.exe", "C:\\bar"}, {"E:\\DeskRail.exe", "E:\\"}, {"DeskRail.exe", "-"},
        {fits + "\\x.exe", fits}, {fits + "d\\x.exe", "-"}};
    for (const auto& row : paths) {
        bool found = DirectoryFromModulePath(directory, sizeof directory, row.modulePath.c_str());
        EXPECT_EQ(row.directory, found ? directory : "-") << row.modulePath;
    }
}

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
    // Where the parts start; beside the titles whole parts yield from the left, the last one is clipped.
    char text[STATUS_TEXT_SIZE], battery[BATTERY_TEXT_SIZE];
    StatusParts parts;
    ComposeStatusText(rows[0].in, text, battery, &parts);
    EXPECT_EQ((std::vector<int>{0, 6, 13, 25, 32}), std::vector<int>(parts.start, parts.start + parts.count));
    const int32_t tails[] = {50, 40, 30, 20, 10}, rooms[][2] = {{60, 0}, {50, 0}, {49, 1}, {25, 3}, {10, 4}, {0, 4}};
    for (const auto& r : rooms) EXPECT_EQ(r[1], FirstFittingPart(tails, 5, r[0])) << r[0];
    EXPECT_EQ(-1, FirstFittingPart(tails, 0, 100)) << "no parts, nothing to draw";
    // Green down to 26 %, yellow down to 11 %, red below.
    const int colours[][4] = {{255, 0, 128, 0}, {26, 0, 128, 0}, {25, 255, 255, 0}, {11, 255, 255, 0}, {10, 192, 0, 0}, {0, 192, 0, 0}};
    for (const auto& c : colours) {
        const Rgb rgb = BatteryColour(c[0]);
        EXPECT_EQ(Formatted("%d,%d,%d", c[1], c[2], c[3]), Formatted("%d,%d,%d", rgb.red, rgb.green, rgb.blue)) << c[0];
    }
    // By minute: one chime a full hour, the next after a minute 1; woken (1) in a minute 0, silent, later, no latch.
    const int steps[][3] = {{59, 0}, {0, 1}, {0, 0}, {1, 0}, {0, 1}, {5, 0}, {0, 0}, {7, 0, 1}, {0, 1}, {1, 0}, {0, 0, 1}};
    bool chimePlayed = false;
    for (const auto& step : steps) {
        if (step[2]) ChimeAfterSleep(step[0], chimePlayed);
        EXPECT_EQ(step[1], ChimeDue(step[0], chimePlayed)) << &step - steps;
    }
}

TEST(BarGeometry, TheBarStandsAtItsEdgeHidesAllButTwoPixelsAndSlides)
{
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
    // Start, target, elapsed, duration, top: toward zero, and no overflow.
    const int32_t slides[][5] = {{0, -26, 300, 300, -26}, {0, -26, 100, 300, -8}, {0, -1000000, 4000000, 4000000, -1000000}};
    for (const auto& s : slides) EXPECT_EQ(s[4], AnimationTop(s[0], s[1], s[2], s[3])) << s[0] << "+" << s[2];
    // Full-screen: another program's client area over the whole screen; not a maximised window's, the shell's or ours.
    const struct { StripRect client; const char* name; bool ours, full; } windows[] = {{{0, 0, 800, 600}, "Game", 0, 1},
        {{-4, -4, 804, 604}, "Film", 0, 1}, {{0, 22, 800, 600}, "Maxed", 0, 0}, {{0, 0, 799, 600}, "Wide", 0, 0},
        {{0, 0, 800, 600}, "Progman", 0, 0}, {{0, 0, 800, 600}, "Shell_TrayWnd", 0, 0}, {{0, 0, 800, 600}, "#32770", 1, 0}};
    for (const auto& w : windows) EXPECT_EQ(w.full, IsFullScreen(w.client, {0, 0, 800, 600}, w.name, w.ours)) << w.name;
    // The status timer fires on the next full ten seconds.
    for (int at = 0; at < 60000; at += 333) {
        uint32_t delay = AlignTimerDelay(at / 1000, at % 1000);
        EXPECT_TRUE(delay >= 1 && delay <= 10000 && (at + delay) % 10000 == 0) << at << " + " << delay;
    }
}
