// The profile file of the real program: first save, broken files, failed
// saves, and where the file lives.
#include <gtest/gtest.h>

#include "profile_records.h"
#include "win_bar_fixture.h"

using namespace driver;
using namespace records;

namespace {

const char FATAL_CAPTION[] = "Schwerer Fehler in DeskRail aufgetreten!";
const char OLD_FORMAT[] =
    "Profildatei im alten Datenformat gefunden.\nBitte löschen Sie sie und\n erstellen Sie eine neue.";

std::string WindowsDirectory()
{
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return directory;
}

class Profile : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        UserWith(user, Options::InView());
    }

    void RunAndClose(BarProcess& bar, const std::string& arguments)
    {
        StartExpecting(bar, arguments, {});
        ASSERT_TRUE(bar.Close());
    }
    // A broken file: the fatal box, no bar, the file and the options as they were.
    void ExpectFatal(const Bytes& content, const std::string& text)
    {
        std::string file = dir.File("deskrail." + user);
        ASSERT_TRUE(WriteFileBytes(file, content));
        std::vector<unsigned char> optionsBefore, optionsAfter;
        ASSERT_TRUE(ReadRegistryValue(KeyOf(user), "User_Variables", optionsBefore));
        BarProcess bar;
        ASSERT_TRUE(bar.Start(exe, user + " +b"));
        Box box;
        ASSERT_TRUE(WaitFor([&] { return !FindBoxes(bar.Id()).empty(); }));
        EXPECT_FALSE(FindProcessWindow(bar.Id(), "DRClass", "DeskRail")) << "no bar behind the fatal box";
        ASSERT_TRUE(bar.NextBox(box));
        EXPECT_EQ(FATAL_CAPTION, box.caption);
        EXPECT_EQ(text, box.text);
        ExpectExit0(bar);
        EXPECT_FALSE(FindProcessWindow(bar.Id(), "DRClass", "DeskRail"));
        Bytes after;
        ASSERT_TRUE(ReadFileBytes(file, after));
        EXPECT_EQ(content, after);
        ASSERT_TRUE(ReadRegistryValue(KeyOf(user), "User_Variables", optionsAfter));
        EXPECT_EQ(optionsBefore, optionsAfter) << "nothing is saved after a fatal error";
    }

    std::string user = "e2e_profile";
};

}  // namespace

TEST_F(Profile, MissingFileGivesDefaultMenusSavedBesideTheProgram)
{
    BarProcess bar;
    RunAndClose(bar, user);
    ExpectExit0(bar);
    Bytes saved;
    ASSERT_TRUE(ReadFileBytes(dir.File("deskrail." + user), saved));
    EXPECT_EQ(DefaultMenus(WindowsDirectory().c_str()), saved);
    EXPECT_FALSE(FileExists(dir.File("deskrail." + user + ".tmp")));
}

TEST_F(Profile, ExplicitFileIsUsedAndUserKeepsTheKey)
{
    Bytes mine = HEADER + MenuRecord("&Werkzeuge", 1) + EntryRecord("&Editor", "c:\\edit.exe", 9, 1, "c:\\", "-n");
    ASSERT_TRUE(WriteFileBytes(dir.File("work.dr"), mine));
    BarProcess bar;
    RunAndClose(bar, user + " +f work.dr");
    ExpectExit0(bar);
    Bytes saved;
    ASSERT_TRUE(ReadFileBytes(dir.File("work.dr"), saved));
    EXPECT_EQ(mine, saved) << "read and written back unchanged";
    EXPECT_FALSE(FileExists(dir.File("deskrail." + user)));
}

TEST_F(Profile, OldFormatEndsStartUpAndKeepsEverything)
{
    ExpectFatal({0x66, 0, 0, 0}, OLD_FORMAT);
    ExpectFatal({0x67, 0}, OLD_FORMAT);
}

TEST_F(Profile, MissingEntryRecordNamesMenuAndEntry)
{
    Bytes cut = HEADER + MenuRecord("&Eins", 1) + EntryRecord("a", "a.exe") + MenuRecord("&Zwei", 3) +
                EntryRecord("b", "b.exe") + EntryRecord("c", "c.exe") + Bytes(100, 0);
    ExpectFatal(cut, "Fehler beim Lesen des Menüs: 2 Programm: 3\naus Profildatei: deskrail." + user +
                         ".\nBitte löschen Sie die Datei und\nstarten Sie Deskrail erneut.");
}

TEST_F(Profile, FailedSaveKeepsTheOldFileAndWarns)
{
    Bytes old = HEADER + MenuRecord("&Alt", 0);
    std::string file = dir.File("deskrail." + user);
    ASSERT_TRUE(WriteFileBytes(file, old));
    // Held open without sharing, as another program might: it cannot be replaced.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    BarProcess bar;
    ASSERT_TRUE(bar.Start(exe, user));
    ASSERT_TRUE(bar.WaitForBar());
    ASSERT_TRUE(bar.Close());
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("DeskRail", box.caption);
    EXPECT_EQ("Profildatei deskrail." + user +
                  " konnte nicht geschrieben werden.\nBitte überprüfen Sie die Datei.",
              box.text);
    ExpectExit0(bar);
    CloseHandle(held);
    Bytes after;
    ASSERT_TRUE(ReadFileBytes(file, after));
    EXPECT_EQ(old, after);
    EXPECT_FALSE(FileExists(file + ".tmp"));
}

TEST_F(Profile, DeepProgramFolderKeepsItsProfileBesideTheProgram)
{
    // Deeper than the 128 characters an older layout held.
    std::string folder = dir.Path();
    while (folder.size() < 180) {
        folder += "\\Unterordner_mit_langem_Namen";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }
    exe = InstallBar(folder);
    BarProcess bar;
    RunAndClose(bar, user);
    ExpectExit0(bar);
    EXPECT_TRUE(FileExists(folder + "\\deskrail." + user));
}
