// The ground floor: bounded texts, the warning list, the system's version and
// the program's directory.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/system_info.h"
#include "base/text.h"

TEST(Text, CopiesAndFormatsAreBoundedAndSayWhetherTheyCut)
{
    char four[4];
    EXPECT_EQ(1, CopyText(four, "abc"));
    EXPECT_STREQ("abc", four);
    EXPECT_EQ(0, CopyText(four, "abcd"));
    EXPECT_STREQ("abc", four);
    EXPECT_EQ(1, CopyText(four, nullptr));
    EXPECT_STREQ("", four);
    EXPECT_EQ(1, FormatTextN(four, sizeof four, "%d", 123));
    EXPECT_EQ(0, FormatTextN(four, sizeof four, "%d", 1234));
    EXPECT_STREQ("123", four);

    char field[6];
    std::memset(field, 'X', sizeof field);
    EXPECT_EQ(sizeof field, TextLengthN(field, sizeof field)) << "a full field has no terminator";
    char whole[sizeof field + 1];
    FieldText(whole, field);
    EXPECT_STREQ("XXXXXX", whole);
    StoreText(field, "ab");
    EXPECT_EQ(0, std::memcmp("ab\0\0\0\0", field, sizeof field)) << "nothing of the old text stays";
    EXPECT_EQ(2u, TextLengthN(field, sizeof field));
}

TEST(Text, MessageListKeepsTheFirstInOrder)
{
    MessageList list = {};
    for (int i = 0; i < MessageList::CAPACITY + 3; ++i) AddMessage(list, "%d:%s", i, std::string(200, 'w').c_str());
    ASSERT_EQ(MessageList::CAPACITY, list.count);
    for (int i = 0; i < list.count; ++i) {
        EXPECT_EQ(std::to_string(i) + ":", std::string(list.text[i]).substr(0, std::to_string(i).size() + 1));
        EXPECT_EQ(MessageList::TEXT_SIZE - 1, static_cast<int>(std::strlen(list.text[i])));
    }
}

TEST(SystemInfo, VersionsDecideWhatTheBarMayUse)
{
    const struct {
        const char* system;
        uint32_t version;
        bool runs, newShell, power;
    } rows[] = {
        {"Windows 3.1 with Win32s", 0x80000A03, false, false, false},
        {"Windows NT 3.51", 0x04213303, true, false, false},
        {"Windows NT 4.0", 0x05650004, true, true, false},
        {"Windows 95", 0xC3B60004, true, true, true},
        {"Windows 2000", 0x08930005, true, true, true},
        {"Windows 10", 0x4A64000A, true, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.system);
        SystemFlags flags = ClassifyVersion(row.version);
        EXPECT_EQ(row.runs, flags.runs);
        if (!row.runs) continue;
        EXPECT_EQ(row.newShell, flags.newShell);
        EXPECT_EQ(row.power, flags.powerStatusAvailable);
    }
}

TEST(SystemInfo, ProgramDirectoryIsTheModulePathBeforeItsLastBackslash)
{
    char directory[16];
    const std::string fits(sizeof directory - 1, 'd');
    const struct {
        std::string modulePath;
        int found;
        std::string directory;
    } rows[] = {
        {"C:\\bar\\DeskRail.exe", 1, "C:\\bar"},
        {"C:\\a\\b\\DeskRail.exe", 1, "C:\\a\\b"},
        {"\\DeskRail.exe", 1, ""},
        {"DeskRail.exe", 0, ""},
        {fits + "\\x.exe", 1, fits},
        {fits + "d\\x.exe", 0, ""},  // a directory that does not fit is none
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.found, DirectoryFromModulePath(directory, sizeof directory, row.modulePath.c_str()))
            << row.modulePath;
        if (row.found) {
            EXPECT_EQ(row.directory, directory) << row.modulePath;
        }
    }
}
