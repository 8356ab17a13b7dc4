// First start and what the bar keeps: the welcome, the options in the
// registry, the profile with the default menus, one bar at a time.
#include "win_bar_fixture.h"

using namespace driver;

namespace {

std::string Welcome(const std::string& user) { return Format(WELCOME_FORMAT, ", ", user.c_str(), DESKRAIL_CONTACT); }

class Startup : public BarTest {};

}  // namespace

TEST_F(Startup, FirstStartWelcomesTheNextIsQuietAndSwitchesAreKeptAtTheEnd)
{
    std::string user = User("e2e_first"), other = User("e2e_second");
    std::vector<unsigned char> defaults = Bytes(Defaults(true)), saved;
    {
        BarProcess bar;
        Start(bar, user, {Welcome(user)});
        EXPECT_EQ(defaults, StoredBytes(user)) << "stored at first use";
        EXPECT_FALSE(FileExists(ProfileOf(user))) << "the profile is written at the end";
        Close(bar);
    }
    ASSERT_TRUE(ReadFileBytes(ProfileOf(user), saved));
    EXPECT_EQ(Outline({}), Outline(saved)) << "the default menus";

    int bottom = StripEdge(ABE_BOTTOM);
    BarProcess bar;
    HWND window = Start(bar, user + " +b -a", {});
    RECT rect = WindowRect(window);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), rect.bottom) << "docked at the bottom";
    EXPECT_EQ(bottom - (rect.bottom - rect.top), StripEdge(ABE_BOTTOM)) << "its strip reserved";
    EXPECT_EQ(defaults, StoredBytes(user)) << "switches reach the registry at the end";
    BarProcess second;  // ends at once; the first stays
    ASSERT_TRUE(second.Start(exe, other));
    ExpectExit0(second);
    Close(bar);
    EXPECT_EQ(Bytes(Defaults(false)).size(), StoredBytes(user).size());
    EXPECT_EQ(1u, Stored(user).dockBottom);
    EXPECT_EQ(0u, Stored(user).autoHide);
}

TEST_F(Startup, BadArgumentsAndAnOutdatedRecordAreReportedInOrder)
{
    std::string user = User("e2e_outdated");
    ASSERT_TRUE(WriteRegistryValue(Key(user), OPTIONS_VALUE, REG_BINARY, "short", 5));
    BarProcess bar;
    Start(bar, user + " -x -f",
          {Format(UNKNOWN_OPTION_FORMAT, "-x"), BAD_FILE_NAME_TEXT, REGISTRY_OUTDATED_TEXT, Welcome(user)});
    EXPECT_EQ(Bytes(Defaults(true)), StoredBytes(user));
    Close(bar);
}

TEST_F(Startup, LoggingOffKeepsWhatTheSessionChanged)
{
    std::string user = UserWith("e2e_logoff", Defaults(false));
    {
        BarProcess bar;
        SendMessageA(Start(bar, user + " +b", {}), WM_ENDSESSION, TRUE, 0);
        EXPECT_TRUE(bar.ExpectNoBox()) << "no box holds the logoff up";
    }  // the session's end takes the process with it
    EXPECT_EQ(1u, Stored(user).dockBottom);
    EXPECT_TRUE(FileExists(ProfileOf(user)));
}
