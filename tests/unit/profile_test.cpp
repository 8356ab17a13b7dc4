// The profile file: broken bytes, save/load/save over the fuzz corpus, the
// default menus, and the file in the program directory.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "base/platform.h"
#include "base/process_state.h"
#include "base/texts.h"
#include "menus/profile_file.h"
#include "model_builders.h"
#include "native_platform.h"

namespace {
const std::filesystem::path CORPUS = PROFILE_CORPUS;

ProfileLoad Load(const Bytes& bytes)
{
    FreeAllUserMenus();
    return LoadProfileBytes(bytes.data(), bytes.size());
}

struct Profile : ::testing::Test {
    void SetUp() override { CopyText(profileFileName, "deskrail.test"); }
    void TearDown() override { FreeAllUserMenus(); }
};
}  // namespace

TEST_F(Profile, BrokenBytesStopTheBarWithTheirMessageAndNoMenus)
{
    const Bytes header = Encoded();
    builders::AddEntry(builders::AddMenu("&A"), "&x");
    UserMenu* b = builders::AddMenu("&B");
    for (const char* name : {"&b", "&c", "&d"}) builders::AddEntry(b, name, 1, 3, "c:\\b.exe");
    const Bytes whole = Encoded();
    const std::string model = Describe(), old = PROFILE_OLD_FORMAT_TEXT;
    Bytes otherFormat = whole, cutMenu = whole;
    otherFormat[0]++;
    cutMenu.insert(cutMenu.end(), whole.begin() + header.size(), whole.begin() + header.size() + 10);
    const struct { const char* what; Bytes bytes; std::string fatal, model; } rows[] = {
        {"one byte", Bytes(header.begin(), header.begin() + 1), old, ""},
        {"three bytes", Bytes(header.begin(), header.end() - 1), old, ""},
        {"another format", otherFormat, old, ""},
        {"header only", header, "", ""},
        {"cut in the last entry", Bytes(whole.begin(), whole.end() - 1),
         Formatted(PROFILE_CUT_ENTRY_FORMAT, 2, 3, profileFileName), ""},
        {"a cut menu record ends the menus", cutMenu, "", model},
    };
    for (const auto& row : rows) {
        ProfileLoad load = Load(row.bytes);
        EXPECT_EQ(!row.fatal.empty(), load.fatal) << row.what;
        EXPECT_EQ(row.fatal, load.message) << row.what;
        EXPECT_EQ(row.model, Describe()) << row.what;
    }
}

TEST_F(Profile, WhatLoadsSavesLoadsAndSavesTheSame)
{
    int loaded = 0;
    for (const auto& file : std::filesystem::directory_iterator(CORPUS)) {
        if (Load(ReadBytes(file.path())).fatal) continue;
        ++loaded;
        EXPECT_EQ("", ModelBreach()) << file.path();
        const Bytes saved = Encoded();
        EXPECT_FALSE(Load(saved).fatal) << file.path();
        EXPECT_EQ(saved, Encoded()) << file.path();
    }
    EXPECT_GE(loaded, 6);
    // Separators, show commands, folders, parameters and a negative count.
    Load(ReadBytes(CORPUS / "edited"));
    EXPECT_EQ("&Tools/2:&Edit|c:\\dos\\edit.com|c:\\dos|/s|9|0;&Max|max.exe|||3|1;&Leer/0:&Neg/0:", Describe());
}

TEST_F(Profile, NoBytesGiveTheDefaultMenusWithTheGamesInTheWindowsDirectory)
{
    EXPECT_FALSE(Load({}).fatal);
    EXPECT_EQ(ReadBytes(CORPUS / "default_menus"), Encoded()) << "the corpus holds them for C:\\WINDOWS";
    std::string atC = Describe();
    SetNativeWindowsDirectory("D:\\W95");
    EXPECT_FALSE(Load({}).fatal);
    SetNativeWindowsDirectory("C:\\WINDOWS");
    for (size_t at; (at = atC.find("C:\\WINDOWS\\")) != std::string::npos;) atC.replace(at, 10, "D:\\W95");
    EXPECT_EQ(atC, Describe());
}

TEST_F(Profile, TheFileLiesInTheProgramDirectoryAndAFailedSaveKeepsIt)
{
    char dir[] = "/tmp/deskrail_unit_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    const std::filesystem::path file = std::filesystem::path(dir) / profileFileName;
    CopyText(programDirectory, dir);
    Load({});
    const std::string defaults = Describe();
    FreeAllUserMenus();
    ASSERT_EQ(0, chdir("/"));
    EXPECT_FALSE(LoadProfile().fatal);
    EXPECT_EQ(defaults, Describe()) << "no file: the default menus";
    FreeUserMenu(menuListHead);
    const std::string edited = Describe();
    ASSERT_EQ(0, chdir("/"));
    ASSERT_EQ(1, SaveProfile());
    FreeAllUserMenus();
    ASSERT_EQ(0, chdir("/"));
    EXPECT_FALSE(LoadProfile().fatal);
    EXPECT_EQ(edited, Describe());

    // The temporary file cannot be written, as on a full or read-only disk.
    const Bytes before = ReadBytes(file);
    std::filesystem::create_directory(NativeTemporaryFile(file));
    builders::AddMenu("&Verloren");
    EXPECT_EQ(0, SaveProfile());
    EXPECT_EQ(before, ReadBytes(file));
    char text[400];
    FormatProfileWriteFailed(text, sizeof text);
    EXPECT_EQ(Formatted(PROFILE_WRITE_FAILED_FORMAT, profileFileName), text);

    // Bytes no record takes are dropped by the load, so the first save of the
    // run keeps the old file beside it; a later save leaves that copy alone.
    std::filesystem::remove(NativeTemporaryFile(file));
    Bytes cut = before;
    cut.insert(cut.end(), MENU_RECORD_SIZE - 1, 'x');
    ASSERT_EQ(1, ReplaceFileWith(file.c_str(), cut.data(), cut.size()));
    FreeAllUserMenus();
    EXPECT_FALSE(LoadProfile().fatal);
    ASSERT_EQ(1, SaveProfile());
    ASSERT_EQ(1, SaveProfile());
    EXPECT_EQ(before, ReadBytes(file));
    EXPECT_EQ(cut, ReadBytes(file.string() + ".bak"));
    std::filesystem::remove(file.string() + ".bak");

    // Without a profile name the file the warning would name is written.
    profileFileName[0] = '\0';
    ASSERT_EQ(1, SaveProfile());
    FormatProfileWriteFailed(text, sizeof text);
    std::filesystem::remove(file);
    int written = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++written;
        EXPECT_EQ(Formatted(PROFILE_WRITE_FAILED_FORMAT, entry.path().filename().c_str()), text);
        EXPECT_EQ(Encoded(), ReadBytes(entry.path()));
    }
    EXPECT_EQ(1, written);
    std::filesystem::remove_all(dir);
}
