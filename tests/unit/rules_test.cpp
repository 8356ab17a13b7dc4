// The command line, the options, the text helpers and the system's answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/system_info.h"
#include "base/texts.h"
#include "native_platform.h"
#include "shell/command_line.h"

namespace {
// The switch letters a user types, the option each overrides, its default.
const struct { char letter; int32_t CommandLineSwitches::*given; uint32_t UserVariables::*option; bool on; } SWITCHES[] = {{'s', &CommandLineSwitches::alwaysOnTop, &UserVariables::alwaysOnTop, true},
                {'c', &CommandLineSwitches::hourlyChime, &UserVariables::hourlyChime, false},
                {'d', &CommandLineSwitches::showDate, &UserVariables::showDate, false},
                {'m', &CommandLineSwitches::showFreeMemory, &UserVariables::showFreeMemory, true},
                {'b', &CommandLineSwitches::dockBottom, &UserVariables::dockBottom, false},
                {'a', &CommandLineSwitches::autoHide, &UserVariables::autoHide, true},
                {'t', &CommandLineSwitches::showTime, &UserVariables::showTime, true},
                {'u', &CommandLineSwitches::showUserName, &UserVariables::showUserName, false}};
}  // namespace

TEST(CommandLine, ArgumentListsGiveNamesSwitchesAndWarningsInOrder)
{
    const std::string q60 = "-" + std::string(59, 'q'), n40(40, 'n'), f127(127, 'f'), bad = BAD_FILE_NAME_TEXT;
    auto unknown = [](const std::string& shown) { return Formatted(UNKNOWN_OPTION_FORMAT, shown.c_str()); };
    // Switches: + - or . per letter of SWITCHES.
    const struct { std::vector<std::string> args; std::string user, profile, switches; std::vector<std::string> warnings; } rows[] = {
        {{}, "", "", "........", {}},
        {{"anna", "bert"}, "bert", "deskrail.bert", "........", {}},
        {{"-f", "work.dr", "anna"}, "anna", "work.dr", "........", {}},
        {{"anna", "+f", "work.dr"}, "anna", "work.dr", "........", {}},
        {{"+s", "-c", "+d", "-m", "+b", "-a", "+t", "-u"}, "", "", "+-+-+-+-", {}},
        {{"-b", "+bxyz"}, "", "", "....+...", {}},
        {{"-S", "-", "+x", "+b"}, "", "", "....+...", {unknown("-S"), unknown("-"), unknown("+x")}},
        {{q60, q60 + "Z"}, "", "", "........", {unknown(q60), unknown(q60 + "...")}},
        {{"anna", "-f"}, "anna", "deskrail.anna", "........", {bad}},
        {{"-f", "-a"}, "", "", "........", {bad}},
        {{"+f", "+b", "anna"}, "anna", "deskrail.anna", "........", {bad}},
        {{n40}, n40.substr(0, 29), "deskrail." + n40.substr(0, 29), "........", {}},
        {{"anna", "-f", f127}, "anna", f127, "........", {}},
        {{"anna", "-f", f127 + "g"}, "anna", "deskrail.anna", "........", {bad}},
        // A name that would climb out of the program's folder or nest registry keys.
        {{"x\\..\\..\\name"}, "", "", "........", {bad}},
        {{"anna", "a/b", "c:d", "e*f", "g?h", "i\"j", "k<l", "m>n", "o|p", "q\tr"}, "anna", "deskrail.anna", "........",
         std::vector<std::string>(9, bad)},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"DeskRail.exe"};
        for (const std::string& arg : row.args) argv.push_back(arg.c_str());
        ParsedArguments parsed;
        std::memset(&parsed, 0x55, sizeof parsed);
        ParseArguments(static_cast<int>(argv.size()), argv.data(), parsed);
        std::string switches;
        for (const auto& s : SWITCHES) switches += ".+-"[(parsed.switches.*s.given > 0) + 2 * (parsed.switches.*s.given < 0)];
        SCOPED_TRACE(row.args.empty() ? "(none)" : row.args[0]);
        EXPECT_EQ(row.user, parsed.userName);
        EXPECT_EQ(row.profile, parsed.profileFileName);
        EXPECT_EQ(row.switches, switches);
        EXPECT_EQ(row.warnings, std::vector<std::string>(parsed.warnings.text, parsed.warnings.text + parsed.warnings.count));
    }
}

TEST(UserVariables, DefaultsAndTheSwitchesOverThem)
{
    UserVariables options;
    std::memset(&options, 0xEE, sizeof options);
    SetDefaultUserVariables(options);
    EXPECT_EQ(std::string(sizeof options.chimeSound, '\0'), std::string(options.chimeSound, sizeof options.chimeSound));
    CommandLineSwitches switches = {};
    for (const char* letter = "Sfx?"; *letter; ++letter) EXPECT_EQ(nullptr, SwitchField(switches, *letter));
    for (const auto& s : SWITCHES) {
        EXPECT_EQ(s.on, options.*s.option != 0) << s.letter;
        EXPECT_EQ(&(switches.*s.given), SwitchField(switches, s.letter)) << s.letter;
        switches.*s.given = s.on ? -1 : 0;  // each default turned off, the others left
    }
    CopyText(options.chimeSound, "c:\\gong.wav");
    CopyText(switches.chimeSound, "ignored");
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
    auto welcome = [](const char* user) {
        char text[400];
        FormatWelcomeText(text, sizeof text, user);
        return std::string(text);
    };
    const std::string longest(USER_NAME_SIZE - 1, 'x'), shared = key("Default");
    EXPECT_EQ(shared, key(""));
    EXPECT_EQ(shared, key(nullptr));
    EXPECT_EQ(shared.substr(0, shared.size() - std::strlen("Default")) + longest, key(longest.c_str()));
    std::string anonymous = welcome("");
    EXPECT_EQ(anonymous, welcome(nullptr));
    EXPECT_NE(std::string::npos, anonymous.find(DESKRAIL_CONTACT));
    EXPECT_EQ(anonymous.insert(anonymous.find('!'), ", Anna"), welcome("Anna")) << "the name after the product's";
}

TEST(Text, CopiesAndFormatsAreBoundedAndSayWhetherTheyCut)
{
    char four[4], field[6], whole[sizeof field + 1];
    EXPECT_EQ(1, CopyText(four, "abc"));
    EXPECT_EQ(0, CopyText(four, "abcd"));
    EXPECT_STREQ("abc", four);
    EXPECT_EQ(1, FormatTextN(four, sizeof four, "%d", 123));
    EXPECT_EQ(0, FormatTextN(four, sizeof four, "%d", 4567));
    EXPECT_STREQ("456", four);
    std::memset(field, 'X', sizeof field);
    EXPECT_EQ(sizeof field, TextLengthN(field, sizeof field)) << "a full field has no terminator";
    FieldText(whole, field);
    EXPECT_STREQ("XXXXXX", whole);
    StoreText(field, "ab");
    EXPECT_EQ(0, std::memcmp("ab\0\0\0\0", field, sizeof field)) << "nothing of the old text stays";
    MessageList list = {};
    for (int i = 0; i <= MessageList::CAPACITY; ++i) AddMessage(list, "%d %s", i, std::string(200, 'w').c_str());
    ASSERT_EQ(MessageList::CAPACITY, list.count) << "the first ones are kept";
    EXPECT_EQ(MessageList::CAPACITY - 1, std::atoi(list.text[MessageList::CAPACITY - 1]));
    EXPECT_EQ(MessageList::TEXT_SIZE - 1, static_cast<int>(std::strlen(list.text[0])));
}

TEST(SystemInfo, TheVersionDecidesWhatTheBarMayUse)
{
    // What runs, whether the shell docks application bars, whether the power status may be asked.
    const struct { const char* system; uint32_t version; const char* flags; } rows[] = {
        {"Windows 3.1 with Win32s", 0x80000A03, "---"}, {"Windows NT 3.51", 0x04213303, "r--"},
        {"Windows NT 4.0", 0x05650004, "rn-"},          {"Windows 95", 0xC3B60004, "rnp"},
        {"Windows 2000", 0x08930005, "rnp"},            {"Windows 10", 0x4A64000A, "rnp"}};
    for (const auto& row : rows) {
        SystemFlags f = ClassifyVersion(row.version);
        EXPECT_EQ(row.flags, std::string() + "-r"[f.runs] + "-n"[f.newShell] + "-p"[f.powerStatusAvailable]) << row.system;
    }
    char directory[16];
    const std::string fits(sizeof directory - 1, 'd');
    const struct { std::string modulePath, directory; } paths[] = {  // "-": none
        {"C:\\bar\\DeskRail.exe", "C:\\bar"}, {"C:\\a\\b\\x.exe", "C:\\a\\b"}, {"\\x.exe", ""},
        {"DeskRail.exe", "-"}, {fits + "\\x.exe", fits}, {fits + "d\\x.exe", "-"}};
    for (const auto& row : paths) {
        bool found = DirectoryFromModulePath(directory, sizeof directory, row.modulePath.c_str());
        EXPECT_EQ(row.directory, found ? directory : "-") << row.modulePath;
    }
}
