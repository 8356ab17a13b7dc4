// What the launcher decides without the shell: which paths are shortcuts and
// what the user is told when the old shell call fails.
#include <gtest/gtest.h>

#include <string>

#include "launcher/launcher.h"
#include "native_platform.h"

namespace {

TEST(Launcher, ShortcutPathsByTheirLastFourCharacters)
{
    EXPECT_TRUE(IsShellLinkPath("C:\\Start\\Editor.LNK"));
    EXPECT_TRUE(IsShellLinkPath("x.lnk"));
    EXPECT_TRUE(IsShellLinkPath(".lnk"));
    EXPECT_TRUE(IsShellLinkPath("a.LnK"));
    EXPECT_FALSE(IsShellLinkPath("lnk"));
    EXPECT_FALSE(IsShellLinkPath("C:\\link.exe"));
    EXPECT_FALSE(IsShellLinkPath(""));
    EXPECT_FALSE(IsShellLinkPath("x.lnk "));
    EXPECT_FALSE(IsShellLinkPath("x.lnkx"));
    EXPECT_FALSE(IsShellLinkPath("x_lnk"));
}

TEST(Launcher, OldShellErrorCodesBecomeTheirMessages)
{
    TakeRecordedBoxes();
    const char* path = "C:\\Programme\\fehlt.exe";
    EXPECT_EQ(0, CheckShellExecuteResult(2, path));
    EXPECT_EQ(0, CheckShellExecuteResult(3, path));
    EXPECT_EQ(0, CheckShellExecuteResult(31, path));
    EXPECT_EQ(0, CheckShellExecuteResult(0, path));
    std::vector<RecordedBox> boxes = TakeRecordedBoxes();
    ASSERT_EQ(4u, boxes.size());
    EXPECT_EQ("Datei nicht gefunden:\nC:\\Programme\\fehlt.exe", boxes[0].text);
    EXPECT_EQ("Dateipfad nicht gefunden:\nC:\\Programme\\fehlt.exe", boxes[1].text);
    EXPECT_EQ("ShellExecute führte zu folgendem Fehlercode: 31", boxes[2].text);
    EXPECT_EQ("ShellExecute führte zu folgendem Fehlercode: 0", boxes[3].text);
    for (const RecordedBox& box : boxes) EXPECT_FALSE(box.fatal);
}

TEST(Launcher, OldShellSuccessIsQuietEvenWithTheTopBitSet)
{
    TakeRecordedBoxes();
    EXPECT_EQ(1, CheckShellExecuteResult(32, "a.exe"));
    EXPECT_EQ(1, CheckShellExecuteResult(42, "a.exe"));
    EXPECT_EQ(1, CheckShellExecuteResult(0x80000000u, "a.exe"));
    EXPECT_TRUE(TakeRecordedBoxes().empty());
}

TEST(Launcher, LongestEntryPathIsShownWhole)
{
    TakeRecordedBoxes();
    std::string path = "C:\\" + std::string(124, 'p');
    EXPECT_EQ(0, CheckShellExecuteResult(3, path.c_str()));
    std::vector<RecordedBox> boxes = TakeRecordedBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Dateipfad nicht gefunden:\n" + path, boxes[0].text);
}

}  // namespace
