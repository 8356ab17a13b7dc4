// The options record against Wine's real registry, in this process; message
// boxes are answered by a watcher thread as a user would.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/registry_store_win.h"
#include "shell/bar_state.h"
#include "shell/text.h"
#include "win_driver.h"

using namespace driver;

namespace {

const char OUTDATED[] = "Veraltete Registrierungsinformationen gefunden.\n"
                        "Diese werden mit den Standarddaten überschrieben.";

std::vector<unsigned char> DefaultBytes()
{
    std::vector<unsigned char> bytes(160, 0);
    bytes[0] = bytes[12] = bytes[20] = bytes[24] = 1;
    return bytes;
}

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        CopyText(userName, "inproc_store");
        profileFileName[0] = '\0';
        newShell = 1;
        key = "Software\\DeskRail\\inproc_store";
        DeleteRegistryKey(key);
    }
    void TearDown() override { DeleteRegistryKey(key); }

    std::vector<std::string> Load(const CommandLineSwitches& switches)
    {
        BoxWatcher watcher;
        LoadUserVariables(switches);
        std::vector<std::string> texts;
        for (const Box& box : watcher.Take()) {
            EXPECT_EQ("DeskRail", box.caption);
            texts.push_back(box.text);
        }
        return texts;
    }

    std::string key;
    CommandLineSwitches none = {};
};

}  // namespace

TEST_F(RegistryStore, KeyWithoutValueTakesTheOutdatedPath)
{
    ASSERT_TRUE(WriteRegistryBinary(key, "Other", {1}));
    std::memset(&userVariables, 0, sizeof userVariables);
    std::vector<std::string> texts = Load(none);
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(OUTDATED, texts[0]);
    EXPECT_EQ(0u, texts[1].find("Vielen Dank für die Benutzung von DeskRail, inproc_store!"));
    std::vector<unsigned char> stored;
    ASSERT_TRUE(ReadRegistryValue(key, "User_Variables", stored));
    EXPECT_EQ(DefaultBytes(), stored);
    EXPECT_EQ(1u, userVariables.autoHide) << "defaults, not a zero record";
}

TEST_F(RegistryStore, StoredRecordIsReadAndSwitchesApplyWithoutWriting)
{
    std::vector<unsigned char> stored(160, 0);
    stored[4] = 1;                      // hourlyChime
    std::memcpy(&stored[32], "a.wav", 6);
    ASSERT_TRUE(WriteRegistryBinary(key, "User_Variables", stored));
    CommandLineSwitches switches = {};
    switches.dockBottom = 1;
    switches.hourlyChime = -1;
    EXPECT_TRUE(Load(switches).empty());
    EXPECT_EQ(0u, userVariables.hourlyChime);
    EXPECT_EQ(1u, userVariables.dockBottom);
    EXPECT_STREQ("a.wav", userVariables.chimeSound);
    EXPECT_STREQ("deskrail.default", profileFileName) << "an empty profile name gets the default";
    std::vector<unsigned char> after;
    ASSERT_TRUE(ReadRegistryValue(key, "User_Variables", after));
    EXPECT_EQ(stored, after) << "switches reach the registry only at shut-down";

    SaveUserVariables();
    ASSERT_TRUE(ReadRegistryValue(key, "User_Variables", after));
    ASSERT_EQ(160u, after.size());
    EXPECT_EQ(0, std::memcmp(&userVariables, after.data(), 160));
}

TEST_F(RegistryStore, WithoutNewShellAutoHideIsForcedOn)
{
    newShell = 0;
    CommandLineSwitches switches = {};
    switches.autoHide = -1;
    std::vector<std::string> texts = Load(switches);
    EXPECT_EQ(1u, texts.size()) << "the welcome of a new key";
    EXPECT_EQ(1u, userVariables.autoHide);
}
