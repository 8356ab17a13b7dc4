// The command line, the options, the text helpers and the system's answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/command_words.h"
#include "base/system_info.h"
#include "base/texts.h"
#include "native_platform.h"
#include "shell/command_line.h"

TEST(CommandLine, ArgumentListsGiveNamesOptionsAndWarningsInOrder)
{
    const std::string q60 = "-" + std::string(59, 'q'), n40(40, 'n'), f127(127, 'f'), bad = BAD_FILE_NAME_TEXT;
    auto unknown = [](const std::string& shown) { return Formatted(UNKNOWN_OPTION_FORMAT, shown.c_str()); };
    const char letters[] = "scdmbatu";  // the switches, in the order of their options
    uint32_t UserVariables::* const options[] = {&UserVariables::alwaysOnTop, &UserVariables::hourlyChime,
        &UserVariables::showDate, &UserVariables::showFreeMemory, &UserVariables::dockBottom,
        &UserVariables::autoHide, &UserVariables::showTime, &UserVariables::showUserName};
    // on: the letters of the options that are on once the switches are applied over the defaults.
    const struct { std::vector<std::string> args; std::string user, profile, on; std::vector<std::string> warnings; } rows[] = {
        {{}, "", "", "smat", {}},
        {{"anna", n40}, n40.substr(0, 29), "deskrail." + n40.substr(0, 29), "smat", {}},
        {{"+f", f127, "anna"}, "anna", f127, "smat", {}},
        {{"anna", "-f", f127 + "g"}, "anna", "deskrail.anna", "smat", {bad}},
        {{"anna", "-f"}, "anna", "deskrail.anna", "smat", {bad}},
        {{"-f", "-a", "+f", "+b", "anna"}, "anna", "deskrail.anna", "smat", {bad, bad}},  // a switch is no file name
        {{"+s", "-c", "+d", "-m", "+b", "-a", "+t", "-u"}, "", "", "sdbt", {}},
        {{"-S", "-", "+x", "-b", "+bxyz"}, "", "", "smbat", {unknown("-S"), unknown("-"), unknown("+x")}},
        {{q60, q60 + "Z"}, "", "", "smat", {unknown(q60), unknown(q60 + "...")}},
        // A name that would climb out of the program's folder or nest registry keys.
        {{"x\\..\\..\\name"}, "", "", "smat", {bad}},
        {{"anna", "a/b", "c:d", "e*f", "g?h", "i\"j", "k<l", "m>n", "o|p", "q\tr"}, "anna", "deskrail.anna", "smat",
         std::vector<std::string>(9, bad)},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"DeskRail.exe"};
        for (const std::string& arg : row.args) argv.push_back(arg.c_str());
        ParsedArguments parsed;
        std::memset(&parsed, 0x55, sizeof parsed);
        ParseArguments(static_cast<int>(argv.size()), argv.data(), parsed);
        UserVariables applied;
        std::memset(&applied, 0xEE, sizeof applied);
        SetDefaultUserVariables(applied);
        ApplySwitches(applied, parsed.switches);
        std::string on;
        for (int k = 0; k < 8; ++k) on += applied.*options[k] ? std::string(1, letters[k]) : "";
        SCOPED_TRACE(row.args.empty() ? "(none)" : row.args[0]);
        EXPECT_EQ(row.user, parsed.userName);
        EXPECT_EQ(row.profile, parsed.profileFileName);
        EXPECT_EQ(row.on, on);
        EXPECT_EQ(row.warnings, std::vector<std::string>(parsed.warnings.text, parsed.warnings.text + parsed.warnings.count));
    }
}

TEST(CommandLine, TheLineSplitsIntoWordsByTheRuntimesQuotingRules)
{
    // The line, how many words are wanted, and the words joined by '|'.
    const struct { const char* line; int maxWords; const char* words; } cases[] = {
        {"\"C:\\Program Files\\dr.exe\" -u  Hans\t-x", 8, "C:\\Program Files\\dr.exe|-u|Hans|-x"},
        {"C:\\dr\\\"x y\\\" a", 8, "C:\\dr\\x y\\|a"},
        {"dr \"a b\"c\"\" \"\" d\"e", 8, "dr|a bc||de"},
        {"dr a\\\\b a\\\"b a\\\\\\\"b \"a\\\\\" c\\", 8, "dr|a\\\\b|a\"b|a\\\"b|a\\|c\\"},
        {"dr a b c", 3, "dr|a|b"},
    };
    for (const auto& c : cases) {
        std::string line = c.line, joined;
        char* words[8];
        int count = SplitCommandWords(line.data(), words, c.maxWords);
        for (int k = 0; k < count; ++k) joined += (k ? "|" : "") + std::string(words[k]);
        EXPECT_EQ(c.words, joined) << "line: " << c.line;
    }
}

TEST(UserVariables, KeyNameAndWelcomeFollowTheUser)
{
    char shared[USER_KEY_NAME_SIZE], key[USER_KEY_NAME_SIZE], anonymous[400], welcome[400];
    const std::string longest(USER_NAME_SIZE - 1, 'x');
    FormatUserKeyName(shared, sizeof shared, "Default");
    FormatUserKeyName(key, sizeof key, "");
    EXPECT_STREQ(shared, key) << "no user: the shared key";
    FormatUserKeyName(key, sizeof key, longest.c_str());
    EXPECT_EQ(std::string(shared, std::strlen(shared) - std::strlen("Default")) + longest, key);
    FormatWelcomeText(anonymous, sizeof anonymous, "");
    FormatWelcomeText(welcome, sizeof welcome, "Anna");
    EXPECT_NE(nullptr, std::strstr(anonymous, DESKRAIL_CONTACT));
    EXPECT_EQ(std::string(anonymous).insert(std::strcspn(anonymous, "!"), ", Anna"), welcome) << "the name after the product's";
}

TEST(Text, CopiesAndFormatsAreBoundedAndSayWhetherTheyCut)
{
    char four[4], field[6], whole[sizeof field + 1];
    EXPECT_TRUE(CopyText(four, "abc") && !CopyText(four, "abcd"));
    EXPECT_STREQ("abc", four);
    EXPECT_TRUE(FormatTextN(four, sizeof four, "%d", 123) && !FormatTextN(four, sizeof four, "%d", 4567));
    EXPECT_STREQ("456", four);
    std::memset(field, 'X', sizeof field);
    FieldText(whole, field);
    EXPECT_STREQ("XXXXXX", whole) << "a full field has no terminator";
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
        {"Windows NT 4.0", 0x05650004, "rn-"}, {"Windows 95", 0xC3B60004, "rnp"}, {"Windows 10", 0x4A64000A, "rnp"}};
    for (const auto& row : rows) {
        SystemFlags f = ClassifyVersion(row.version);
        EXPECT_EQ(row.flags, std::string() + "-r"[f.runs] + "-n"[f.newShell] + "-p"[f.powerStatusAvailable]) << row.system;
    }
    char directory[16];
    const std::string fits(sizeof directory - 1, 'd');
    const struct { std::string modulePath, directory; } paths[] = {  // "-": none
        {"C:\\bar\\DeskRail.exe", "C:\\bar"}, {"\\x.exe", ""}, {"DeskRail.exe", "-"}, {fits + "\\x.exe", fits},
        {fits + "d\\x.exe", "-"}};
    for (const auto& row : paths) {
        bool found = DirectoryFromModulePath(directory, sizeof directory, row.modulePath.c_str());
        EXPECT_EQ(row.directory, found ? directory : "-") << row.modulePath;
    }
}
