// The command line: user name, profile file name, switches and their messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "native_platform.h"
#include "settings/user_variables.h"
#include "shell/bar_state.h"
#include "shell/command_line.h"

namespace {

struct Parsed {
    CommandLineSwitches switches;
    std::vector<std::string> boxes;
};

Parsed Parse(std::vector<std::string> words)
{
    words.insert(words.begin(), "DeskRail.exe");
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    Parsed parsed;
    std::memset(&parsed.switches, 0x55, sizeof parsed.switches);  // must be zeroed by the parser
    TakeRecordedBoxes();
    ParseArguments(static_cast<int>(argv.size()), argv.data(), parsed.switches);
    for (const RecordedBox& box : TakeRecordedBoxes()) {
        EXPECT_FALSE(box.fatal);
        parsed.boxes.push_back(box.text);
    }
    return parsed;
}

const char* const BAD_FILE = "Fehlender oder falscher Dateiname\nbeim Aufruf in der DOS-Kommandozeile.";

}  // namespace

TEST(CommandLine, NoArgumentsLeavesNamesEmptyAndNoSwitches)
{
    Parsed p = Parse({});
    EXPECT_STREQ("", userName);
    EXPECT_STREQ("", profileFileName);
    CommandLineSwitches zero = {};
    EXPECT_EQ(0, std::memcmp(&zero, &p.switches, sizeof zero));
    EXPECT_TRUE(p.boxes.empty());
}

TEST(CommandLine, PlainWordNamesUserAndProfile)
{
    Parse({"anna"});
    EXPECT_STREQ("anna", userName);
    EXPECT_STREQ("deskrail.anna", profileFileName);

    Parse({"anna", "bert"});
    EXPECT_STREQ("bert", userName) << "a later plain word replaces an earlier one";
    EXPECT_STREQ("deskrail.bert", profileFileName);
}

TEST(CommandLine, ExplicitProfileWinsButUserStays)
{
    Parsed p = Parse({"anna", "+f", "work.dr"});
    EXPECT_STREQ("anna", userName);
    EXPECT_STREQ("work.dr", profileFileName);
    EXPECT_TRUE(p.boxes.empty());

    Parse({"-f", "other.dr", "anna"});
    EXPECT_STREQ("other.dr", profileFileName) << "the file wins wherever it stands";
}

TEST(CommandLine, SwitchLettersSetTheirOwnFields)
{
    Parsed p = Parse({"+s", "-c", "+d", "-m", "+b", "-a", "+t", "-u"});
    EXPECT_EQ(1, p.switches.alwaysOnTop);
    EXPECT_EQ(-1, p.switches.hourlyChime);
    EXPECT_EQ(1, p.switches.showDate);
    EXPECT_EQ(-1, p.switches.showFreeMemory);
    EXPECT_EQ(1, p.switches.dockBottom);
    EXPECT_EQ(-1, p.switches.autoHide);
    EXPECT_EQ(1, p.switches.showTime);
    EXPECT_EQ(-1, p.switches.showUserName);
    EXPECT_TRUE(p.boxes.empty());
}

TEST(CommandLine, LastSwitchWinsAndTrailingCharactersAreIgnored)
{
    Parsed p = Parse({"-b", "+b"});
    EXPECT_EQ(1, p.switches.dockBottom);
    p = Parse({"+b", "-bxyz"});
    EXPECT_EQ(-1, p.switches.dockBottom);
    p = Parse({"-sxyz"});
    EXPECT_EQ(-1, p.switches.alwaysOnTop);
    EXPECT_TRUE(p.boxes.empty());
}

TEST(CommandLine, UnknownSwitchesAreReportedWhole)
{
    Parsed p = Parse({"-S", "-", "+x", "+b"});
    ASSERT_EQ(3u, p.boxes.size());
    EXPECT_EQ("Unbekannte Option: -S", p.boxes[0]);
    EXPECT_EQ("Unbekannte Option: -", p.boxes[1]);
    EXPECT_EQ("Unbekannte Option: +x", p.boxes[2]);
    EXPECT_EQ(1, p.switches.dockBottom) << "parsing goes on after an unknown switch";
    EXPECT_EQ(0, p.switches.alwaysOnTop);
}

TEST(CommandLine, OverlongUnknownSwitchIsShownCut)
{
    std::string sixty = "-" + std::string(59, 'q');
    Parsed p = Parse({sixty, sixty + "Z"});
    ASSERT_EQ(2u, p.boxes.size());
    EXPECT_EQ("Unbekannte Option: " + sixty, p.boxes[0]);
    EXPECT_EQ("Unbekannte Option: " + sixty + "...", p.boxes[1]);
}

TEST(CommandLine, MissingFileNameIsReportedOnce)
{
    Parsed p = Parse({"anna", "-f"});
    ASSERT_EQ(1u, p.boxes.size());
    EXPECT_EQ(BAD_FILE, p.boxes[0]);
    EXPECT_STREQ("deskrail.anna", profileFileName);

    p = Parse({"-f", "-a"});
    ASSERT_EQ(1u, p.boxes.size());
    EXPECT_EQ(BAD_FILE, p.boxes[0]);
    EXPECT_EQ(0, p.switches.autoHide) << "the consumed argument is not a switch";
    EXPECT_STREQ("", profileFileName);

    p = Parse({"+f", "+b", "anna"});
    ASSERT_EQ(1u, p.boxes.size());
    EXPECT_EQ(0, p.switches.dockBottom);
    EXPECT_STREQ("anna", userName) << "parsing goes on after the consumed argument";
}

TEST(CommandLine, OverlongNamesAreCutOrRefused)
{
    std::string longName(40, 'n');
    Parse({longName});
    EXPECT_EQ(std::string(29, 'n'), userName);
    EXPECT_EQ("deskrail." + std::string(29, 'n'), profileFileName);

    std::string file127(127, 'f');
    Parsed p = Parse({"anna", "-f", file127});
    EXPECT_TRUE(p.boxes.empty());
    EXPECT_EQ(file127, profileFileName);

    p = Parse({"anna", "-f", file127 + "g"});
    ASSERT_EQ(1u, p.boxes.size());
    EXPECT_EQ(BAD_FILE, p.boxes[0]);
    EXPECT_STREQ("deskrail.anna", profileFileName);
}
