// The command line, the options it overrides, and the texts around them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/texts.h"
#include "native_platform.h"
#include "shell/command_line.h"

namespace {

// The switch letters a user types and the option each one overrides.
const struct {
    char letter;
    int32_t CommandLineSwitches::*field;
    uint32_t UserVariables::*option;
    bool onByDefault;
} SWITCHES[] = {
    {'s', &CommandLineSwitches::alwaysOnTop, &UserVariables::alwaysOnTop, true},
    {'c', &CommandLineSwitches::hourlyChime, &UserVariables::hourlyChime, false},
    {'d', &CommandLineSwitches::showDate, &UserVariables::showDate, false},
    {'m', &CommandLineSwitches::showFreeMemory, &UserVariables::showFreeMemory, true},
    {'b', &CommandLineSwitches::dockBottom, &UserVariables::dockBottom, false},
    {'a', &CommandLineSwitches::autoHide, &UserVariables::autoHide, true},
    {'t', &CommandLineSwitches::showTime, &UserVariables::showTime, true},
    {'u', &CommandLineSwitches::showUserName, &UserVariables::showUserName, false},
};

// One character per switch letter: '+', '-', or '.' when not given.
std::string SwitchesText(const CommandLineSwitches& switches)
{
    std::string text;
    for (const auto& s : SWITCHES) text += switches.*s.field > 0 ? '+' : switches.*s.field < 0 ? '-' : '.';
    return text;
}

}  // namespace

TEST(CommandLine, ArgumentListsGiveNamesSwitchesAndWarningsInOrder)
{
    const std::string unknown60 = "-" + std::string(59, 'q'), name40(40, 'n'), file127(127, 'f');
    const std::string badFile = BAD_FILE_NAME_TEXT;
    const struct {
        std::vector<std::string> args;
        std::string user, profile, switches;
        std::vector<std::string> warnings;
    } rows[] = {
        {{}, "", "", "........", {}},
        {{"anna", "bert"}, "bert", "deskrail.bert", "........", {}},
        {{"-f", "work.dr", "anna"}, "anna", "work.dr", "........", {}},
        {{"anna", "+f", "work.dr"}, "anna", "work.dr", "........", {}},
        {{"+s", "-c", "+d", "-m", "+b", "-a", "+t", "-u"}, "", "", "+-+-+-+-", {}},
        {{"-b", "+bxyz"}, "", "", "....+...", {}},
        {{"-S", "-", "+x", "+b"},
         "", "", "....+...",
         {Formatted(UNKNOWN_OPTION_FORMAT, "-S"), Formatted(UNKNOWN_OPTION_FORMAT, "-"),
          Formatted(UNKNOWN_OPTION_FORMAT, "+x")}},
        {{unknown60, unknown60 + "Z"},
         "", "", "........",
         {Formatted(UNKNOWN_OPTION_FORMAT, unknown60.c_str()),
          Formatted(UNKNOWN_OPTION_FORMAT, (unknown60 + "...").c_str())}},
        {{"anna", "-f"}, "anna", "deskrail.anna", "........", {badFile}},
        {{"-f", "-a"}, "", "", "........", {badFile}},
        {{"+f", "+b", "anna"}, "anna", "deskrail.anna", "........", {badFile}},
        {{name40}, name40.substr(0, 29), "deskrail." + name40.substr(0, 29), "........", {}},
        {{"anna", "-f", file127}, "anna", file127, "........", {}},
        {{"anna", "-f", file127 + "g"}, "anna", "deskrail.anna", "........", {badFile}},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"DeskRail.exe"};
        for (const std::string& arg : row.args) argv.push_back(arg.c_str());
        SCOPED_TRACE(row.args.empty() ? "(none)" : row.args[0]);
        ParsedArguments parsed;
        std::memset(&parsed, 0x55, sizeof parsed);
        ParseArguments(static_cast<int>(argv.size()), argv.data(), parsed);
        EXPECT_EQ(row.user, parsed.userName);
        EXPECT_EQ(row.profile, parsed.profileFileName);
        EXPECT_EQ(row.switches, SwitchesText(parsed.switches));
        EXPECT_EQ(row.warnings, std::vector<std::string>(parsed.warnings.text, parsed.warnings.text + parsed.warnings.count));
    }
}

TEST(UserVariables, DefaultsAndSwitchesOverlay)
{
    UserVariables options;
    std::memset(&options, 0xEE, sizeof options);
    SetDefaultUserVariables(options);
    EXPECT_EQ(std::string(sizeof options.chimeSound, '\0'), std::string(options.chimeSound, sizeof options.chimeSound));
    CommandLineSwitches switches = {};
    CopyText(switches.chimeSound, "ignored");
    for (const char* letter = "Sfx?"; *letter; ++letter) EXPECT_EQ(nullptr, SwitchField(switches, *letter)) << *letter;
    for (const auto& s : SWITCHES) {
        SCOPED_TRACE(s.letter);
        EXPECT_EQ(s.onByDefault, options.*s.option != 0);
        EXPECT_EQ(&(switches.*s.field), SwitchField(switches, s.letter));
        switches.*s.field = s.onByDefault ? -1 : 0;  // every default turned off, the others left
    }
    CopyText(options.chimeSound, "c:\\gong.wav");
    options.dockBottom = 7;  // any nonzero value counts as on
    ApplySwitches(options, switches);
    switches.showDate = 1;
    ApplySwitches(options, switches);
    for (const auto& s : SWITCHES) EXPECT_EQ(s.letter == 'b' ? 7u : s.letter == 'd', options.*s.option) << s.letter;
    EXPECT_STREQ("c:\\gong.wav", options.chimeSound);
    EXPECT_TRUE(IsStoredLengthCurrent(sizeof options));
    EXPECT_FALSE(IsStoredLengthCurrent(sizeof options - 4) || IsStoredLengthCurrent(sizeof options + 1));
}

TEST(UserVariables, KeyNameAndWelcomeFollowTheUser)
{
    auto key = [](const char* user) {
        char text[USER_KEY_NAME_SIZE];
        FormatUserKeyName(text, sizeof text, user);
        return std::string(text);
    };
    const std::string longest(USER_NAME_SIZE - 1, 'x');
    std::string prefix = key("Default");
    prefix.resize(prefix.size() - std::strlen("Default"));
    EXPECT_EQ(key("Default"), key(""));
    EXPECT_EQ(key("Default"), key(nullptr));
    EXPECT_EQ(prefix + longest, key(longest.c_str())) << "the longest user name fits whole";

    auto welcome = [](const char* user) {
        char text[400];
        FormatWelcomeText(text, sizeof text, user);
        return std::string(text);
    };
    std::string anonymous = welcome(""), named = welcome("Anna");
    EXPECT_EQ(anonymous, welcome(nullptr));
    EXPECT_NE(std::string::npos, anonymous.find(DESKRAIL_CONTACT));
    EXPECT_EQ(std::string::npos, anonymous.find('%'));
    EXPECT_EQ(anonymous.insert(anonymous.find('!'), ", Anna"), named) << "the name follows the product's";
}
