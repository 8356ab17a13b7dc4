// Start-up and shut-down of the real DeskRail.exe: single instance, system
// versions, the command line and the options in the registry.
#include <gtest/gtest.h>

#include <cstring>

#include "win_bar_fixture.h"

using namespace driver;

namespace {

const char BAD_FILE[] = "Fehlender oder falscher Dateiname\nbeim Aufruf in der DOS-Kommandozeile.";
const char OUTDATED[] = "Veraltete Registrierungsinformationen gefunden.\n"
                        "Diese werden mit den Standarddaten überschrieben.";

std::string Welcome(const std::string& user)
{
    return "Vielen Dank für die Benutzung von DeskRail" + (user.empty() ? "" : ", " + user) +
           "!\nSollten Sie einen Fehler bemerken, schicken Sie\nbitte eine Email an: " DESKRAIL_CONTACT "!";
}

std::vector<unsigned char> DefaultBytes() { return Options().Bytes(); }

class Startup : public BarTest {};

}  // namespace

TEST_F(Startup, FirstStartWelcomesCreatesKeyAndSecondStartIsQuiet)
{
    std::string user = User("e2e_anna");
    {
        BarProcess bar;
        StartExpecting(bar, user, {Welcome(user)});
        EXPECT_EQ(DefaultBytes(), Stored(user)) << "written at first use, before the end";
        CloseNormally(bar);
    }
    BarProcess again;
    StartExpecting(again, user, {});
    CloseNormally(again);
    EXPECT_EQ(DefaultBytes(), Stored(user));
}

TEST_F(Startup, WithoutUserNameTheDefaultKeyIsUsed)
{
    User("Default");
    BarProcess bar;
    StartExpecting(bar, "", {Welcome("")});
    EXPECT_EQ(DefaultBytes(), Stored("Default"));
    CloseNormally(bar);
}

TEST_F(Startup, StoredValueOfWrongLengthIsReplacedByDefaults)
{
    for (size_t length : {159u, 161u}) {
        std::string user = User("e2e_len" + std::to_string(length));
        ASSERT_TRUE(WriteRegistryBinary(KeyOf(user), "User_Variables", std::vector<unsigned char>(length, 0)));
        BarProcess bar;
        StartExpecting(bar, user, {OUTDATED, Welcome(user)});
        EXPECT_EQ(DefaultBytes(), Stored(user));
        CloseNormally(bar);
    }
}

TEST_F(Startup, BottomSwitchPersistsAndPlacesTheBar)
{
    std::string user = User("e2e_bottom");
    {
        BarProcess bar;
        StartExpecting(bar, user + " +b -a", {Welcome(user)});
        EXPECT_EQ(0, Stored(user)[16]) << "the switch reaches the registry only at the end";
        CloseNormally(bar);
    }
    EXPECT_EQ(1, Stored(user)[16]);
    EXPECT_EQ(0, Stored(user)[20]);
    BarProcess bar;
    StartExpecting(bar, user, {});
    RECT rect;
    ASSERT_TRUE(GetWindowRect(bar.WaitForBar(), &rect));
    int height = GetSystemMetrics(SM_CYMENU) + 10;
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) - height, rect.top);
    EXPECT_EQ(height, rect.bottom - rect.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), rect.right - rect.left);
    CloseNormally(bar);
}

TEST_F(Startup, UnknownSwitchesAreReportedAndStartUpGoesOn)
{
    std::string user = User("e2e_unknown");
    std::string longSwitch = "-" + std::string(70, 'y');
    BarProcess bar;
    StartExpecting(bar, user + " -S - " + longSwitch,
                   {"Unbekannte Option: -S", "Unbekannte Option: -",
                    "Unbekannte Option: " + longSwitch.substr(0, 60) + "...", Welcome(user)});
    CloseNormally(bar);
}

TEST_F(Startup, FileSwitchWithoutNameIsReportedOnceAndConsumesItsArgument)
{
    std::string user = User("e2e_file");
    {
        BarProcess bar;
        StartExpecting(bar, user, {Welcome(user)});
        CloseNormally(bar);
    }
    {
        BarProcess bar;
        StartExpecting(bar, user + " -f -a", {BAD_FILE});
        CloseNormally(bar);
    }
    EXPECT_EQ(1, Stored(user)[20]) << "the consumed -a must not switch auto-hide off";
    BarProcess bar;
    StartExpecting(bar, user + " -f", {BAD_FILE});
    CloseNormally(bar);
}

TEST_F(Startup, SecondStartRaisesTheRunningBarAndEnds)
{
    std::string user = User("e2e_single");
    BarProcess first;
    StartExpecting(first, user, {Welcome(user)});
    HWND bar = first.WaitForBar();

    BarProcess second;
    ASSERT_TRUE(second.Start(exe, "someone_else +b"));
    DWORD code = 1;
    ASSERT_TRUE(second.WaitForExit(code));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(FindBoxes(second.Id()).empty());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(bar, FindWindowA("DRClass", "DeskRail"));
    EXPECT_FALSE(RegistryKeyExists(KeyOf("someone_else"))) << "the second start read no options";
    CloseNormally(first);
}

TEST_F(Startup, ClosedBarWritesItsRecordBack)
{
    std::string user = User("e2e_writeback");
    BarProcess bar;
    StartExpecting(bar, user + " +d -m", {Welcome(user)});
    // Whatever lies in the registry now, the end writes the bar's own record.
    ASSERT_TRUE(WriteRegistryBinary(KeyOf(user), "User_Variables", std::vector<unsigned char>(160, 0xAB)));
    CloseNormally(bar);
    std::vector<unsigned char> expected = DefaultBytes();
    expected[8] = 1;   // showDate
    expected[12] = 0;  // showFreeMemory
    EXPECT_EQ(expected, Stored(user));
}

TEST_F(Startup, WindowsNt351ForcesAutoHide)
{
    std::string user = User("e2e_nt351");
    WindowsVersionOverride nt("DeskRail.exe", "nt351");
    BarProcess bar;
    StartExpecting(bar, user + " -a", {Welcome(user)});
    CloseNormally(bar);
    EXPECT_EQ(1, Stored(user)[20]);
}

TEST_F(Startup, Win32sEraSystemEndsSilently)
{
    std::string user = User("e2e_win31");
    WindowsVersionOverride old("DeskRail.exe", "win31");
    BarProcess bar;
    ASSERT_TRUE(bar.Start(exe, user));
    DWORD code = 1;
    ASSERT_TRUE(bar.WaitForExit(code));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(FindBoxes(bar.Id()).empty());
    EXPECT_FALSE(RegistryKeyExists(KeyOf(user)));
}

TEST_F(Startup, OverlongUserNameIsCutToTwentyNine)
{
    std::string user = std::string("e2e_long_") + std::string(30, 'n');
    std::string cut = User(user.substr(0, 29));
    BarProcess bar;
    StartExpecting(bar, user, {Welcome(cut)});
    CloseNormally(bar);
    EXPECT_EQ(DefaultBytes(), Stored(cut));
}
