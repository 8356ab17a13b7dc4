// The command line, the options, the text helpers and the system's answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/command_words.h"
#include "base/system_info.h"
#include "base/texts.h"
#include "native_platform.h"
#include "shell/command_line.h"

TEST(CommandLine, TypedLinesGiveNamesOptionsKeysAndWarningsInOrder)
{
    const std::string q60 = "-" + std::string(59, 'q'), n29(29, 'n'), f127(127, 'f'), bad = BAD_FILE_NAME_TEXT;
    auto unknown = [](const std::string& shown) { return Formatted(UNKNOWN_OPTION_FORMAT, shown.c_str()); };
    const char letters[] = "scdmbatu";  // the switches, in the order of their options
    uint32_t UserVariables::* const options[] = {&UserVariables::alwaysOnTop, &UserVariables::hourlyChime,
        &UserVariables::showDate, &UserVariables::showFreeMemory, &UserVariables::dockBottom,
        &UserVariables::autoHide, &UserVariables::showTime, &UserVariables::showUserName};
    char shared[USER_KEY_NAME_SIZE], key[USER_KEY_NAME_SIZE];
    FormatUserKeyName(shared, sizeof shared, "Default");
    const std::string keyPrefix(shared, std::strlen(shared) - std::strlen("Default"));
    // on: the letters of the options that are on once the switches are applied over the defaults.
    const struct { std::string line, user, profile, on; std::vector<std::string> warnings; } rows[] = {
        {"DeskRail.exe", "", "", "smat", {}},
        {"\"C:\\Program Files\\dr.exe\" anna\t" + n29 + "cut", n29, "deskrail." + n29, "smat", {}},
        // The program's name keeps its backslashes; after it, 2k of them before a quote give k.
        {"C:\\dr\\\"x y\\\" -f \"D:\\dr files\\\\\"x anna", "anna", "D:\\dr files\\x", "smat", {}},
        {"dr +f " + f127 + " anna", "anna", f127, "smat", {}},
        {"dr anna -f " + f127 + "g", "anna", "deskrail.anna", "smat", {bad}},
        {"dr anna -f", "anna", "deskrail.anna", "smat", {bad}},
        {"dr -f -a +f +b anna", "anna", "deskrail.anna", "smat", {bad, bad}},  // a switch is no file name
        {"dr +s -c +d -m +b -a +t -u", "", "", "sdbt", {}},
        {"dr -S - +x -b +bxyz", "", "", "smbat", {unknown("-S"), unknown("-"), unknown("+x")}},
        {"dr " + q60 + " " + q60 + "Z", "", "", "smat", {unknown(q60), unknown(q60 + "...")}},
        // A name that would climb out of the program's folder or nest registry keys; words past the list's end.
        {"dr x\\..\\..\\name", "", "", "smat", {bad}},
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
        EXPECT_EQ(row.user.empty() ? shared : keyPrefix + row.user, key) << "no user: the shared key";
    }
}

TEST(Text, CopiesAndFormatsAreBoundedAndSayWhetherTheyCut)
{
    char four[4], field[6];
    EXPECT_TRUE(CopyText(four, "abc") && !CopyText(four, "abcd"));
    EXPECT_STREQ("abc", four);
    EXPECT_TRUE(FormatTextN(four, sizeof four, "%d", 123) && !FormatTextN(four, sizeof four, "%d", 4567));
    EXPECT_STREQ("456", four);
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
