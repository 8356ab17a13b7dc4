// The options record: its bytes, defaults, key names and the switch overlay.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/user_variables.h"
#include "shell/system_info.h"

TEST(UserVariables, DefaultsGiveTheStoredBytes)
{
    UserVariables options;
    std::memset(&options, 0xEE, sizeof options);
    SetDefaultUserVariables(options);
    unsigned char expected[160] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0,
                                   0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(expected, &options, sizeof expected));
}

TEST(UserVariables, KeyNameFollowsTheUser)
{
    char key[USER_KEY_NAME_SIZE];
    FormatUserKeyName(key, sizeof key, "");
    EXPECT_STREQ("Software\\DeskRail\\Default", key);
    FormatUserKeyName(key, sizeof key, "Anna");
    EXPECT_STREQ("Software\\DeskRail\\Anna", key);
    std::string longest(29, 'x');
    FormatUserKeyName(key, sizeof key, longest.c_str());
    EXPECT_EQ("Software\\DeskRail\\" + longest, key) << "the longest user name fits whole";
}

TEST(UserVariables, SwitchesOverlayOnlyGivenFlags)
{
    UserVariables options;
    SetDefaultUserVariables(options);
    options.showDate = 7;  // any nonzero value counts as on
    std::strcpy(options.chimeSound, "c:\\gong.wav");
    CommandLineSwitches switches = {};
    switches.alwaysOnTop = -1;
    switches.dockBottom = 1;
    switches.autoHide = -1;
    std::strcpy(switches.chimeSound, "ignored");
    ApplySwitches(options, switches);
    EXPECT_EQ(0u, options.alwaysOnTop);
    EXPECT_EQ(0u, options.hourlyChime);
    EXPECT_EQ(7u, options.showDate) << "a flag without a switch keeps its stored value";
    EXPECT_EQ(1u, options.showFreeMemory);
    EXPECT_EQ(1u, options.dockBottom);
    EXPECT_EQ(0u, options.autoHide);
    EXPECT_EQ(1u, options.showTime);
    EXPECT_EQ(0u, options.showUserName);
    EXPECT_STREQ("c:\\gong.wav", options.chimeSound);
}

TEST(UserVariables, WelcomeNamesTheUserAfterAComma)
{
    char text[400];
    FormatWelcomeText(text, sizeof text, "Anna");
    std::string expected = std::string("Vielen Dank für die Benutzung von DeskRail, Anna!\n"
                                       "Sollten Sie einen Fehler bemerken, schicken Sie\n"
                                       "bitte eine Email an: ") + DESKRAIL_CONTACT + "!";
    EXPECT_EQ(expected, text);
    FormatWelcomeText(text, sizeof text, "");
    EXPECT_EQ(0u, std::string(text).find("Vielen Dank für die Benutzung von DeskRail!\n"));
    EXPECT_EQ('\xFC', text[13]) << "umlauts reach the ANSI calls as code page 1252";
}

TEST(SystemInfo, VersionTable)
{
    struct Row {
        uint32_t version;
        int runs, newShell, power;
    } rows[] = {
        {0x04210003, 1, 0, 0},  // NT 3.51
        {0x05650004, 1, 1, 0},  // NT 4.0
        {0x0A280005, 1, 1, 1},  // Windows 2000 and later
        {0x80000003, 0, 0, 0},  // Win32s
        {0xC0000004, 1, 1, 1},  // Windows 95
    };
    for (const Row& row : rows) {
        SystemFlags flags = ClassifyVersion(row.version);
        EXPECT_EQ(row.runs, flags.runs) << std::hex << row.version;
        if (!row.runs) continue;
        EXPECT_EQ(row.newShell, flags.newShell) << std::hex << row.version;
        EXPECT_EQ(row.power, flags.powerStatusAvailable) << std::hex << row.version;
    }
}

TEST(SystemInfo, ProgramDirectoryIsCutAtTheLastBackslash)
{
    char dir[16];
    ASSERT_TRUE(DirectoryFromModulePath(dir, sizeof dir, "C:\\bar\\DeskRail.exe"));
    EXPECT_STREQ("C:\\bar", dir);
    ASSERT_TRUE(DirectoryFromModulePath(dir, sizeof dir, "\\DeskRail.exe"));
    EXPECT_STREQ("", dir);
    EXPECT_FALSE(DirectoryFromModulePath(dir, sizeof dir, "DeskRail.exe"));
    EXPECT_FALSE(DirectoryFromModulePath(dir, sizeof dir, "C:\\a-rather-long-folder\\x.exe"))
        << "a directory that does not fit is no directory";
}
