// First start and what the bar keeps: the welcome, the options in the
// registry, the profile file with the default menus, and one bar at a time.
#include <cstdio>

#include "menus/menu_model.h"
#include "menus/profile_file.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

std::string Welcome(const std::string& user)
{
    char text[400];
    std::snprintf(text, sizeof text, WELCOME_FORMAT, ", ", user.c_str(), DESKRAIL_CONTACT);
    return text;
}

// Outline: the menus the program reads from these bytes, a line per menu and entry.
std::string Outline(const std::vector<unsigned char>& bytes)
{
    ProfileLoad load = LoadProfileBytes(bytes.data(), bytes.size());
    std::string text = load.message;
    for (UserMenu* menu = menuListHead; menu; menu = menu->next) {
        text += std::string(menu->name) + "\n";
        for (ProgramItem* item = menu->items; item; item = item->next)
            text += std::string(" ") + item->name + "|" + item->path + "|" + item->workingDirectory + "|" +
                    item->parameters + "|" + std::to_string(item->showCommand) + "\n";
    }
    FreeAllUserMenus();
    return text;
}

class Startup : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        SetDefaultUserVariables(defaults);
    }
    UserVariables defaults;
};

}  // namespace

TEST_F(Startup, FirstStartWelcomesSecondIsQuietAndSwitchesAreKeptAtTheEnd)
{
    std::string user = User("e2e_first"), other = User("e2e_second");
    {
        BarProcess bar;
        Start(bar, user, {Welcome(user)});
        EXPECT_EQ(Bytes(defaults), StoredBytes(user)) << "stored at first use";
        EXPECT_FALSE(FileExists(ProfileOf(user))) << "the profile is written at the end";
        Close(bar);
    }
    std::vector<unsigned char> saved;
    ASSERT_TRUE(ReadFileBytes(ProfileOf(user), saved));
    EXPECT_EQ(Outline({}), Outline(saved)) << "the default menus";

    BarProcess bar;
    HWND window = Start(bar, user + " +b -a", {});
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), WindowRect(window).bottom) << "docked at the bottom";
    EXPECT_EQ(Bytes(defaults), StoredBytes(user)) << "switches reach the registry at the end";

    // A second bar ends at once; the first stays.
    BarProcess second;
    ASSERT_TRUE(second.Start(exe, other));
    ExpectExit0(second);
    EXPECT_TRUE(bar.Running());
    Close(bar);
    UserVariables stored = Stored(user);
    EXPECT_EQ(1u, stored.dockBottom);
    EXPECT_EQ(0u, stored.autoHide);
}

TEST_F(Startup, BadArgumentsAndAnOutdatedRecordAreReportedInOrder)
{
    std::string user = User("e2e_outdated");
    ASSERT_TRUE(WriteRegistryBinary(Key(user), OPTIONS_VALUE, std::vector<unsigned char>(sizeof defaults - 1, 1)));
    char unknown[100];
    std::snprintf(unknown, sizeof unknown, UNKNOWN_OPTION_FORMAT, "-x");
    BarProcess bar;
    Start(bar, user + " -x -f", {unknown, BAD_FILE_NAME_TEXT, REGISTRY_OUTDATED_TEXT, Welcome(user)});
    EXPECT_EQ(Bytes(defaults), StoredBytes(user));
    Close(bar);
}
