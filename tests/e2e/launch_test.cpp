// Entries of the real bar's menus, picked by the command identifier the menu
// sends (menus cannot be read from another process): started through the
// new shell, and through the old one under Windows NT 3.51 emulation.
#include <gtest/gtest.h>

#include "launch_record.h"
#include "profile_records.h"
#include "win_bar_fixture.h"

using namespace driver;
using namespace records;

namespace {

class MenuLaunch : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        ASSERT_TRUE(recorder.copied);
    }
    // Pick: what the menu sends when the user picks the entry.
    static void Pick(HWND bar, WORD id) { PostMessageA(bar, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    LaunchRecorder recorder{dir};
    const std::string& helper = recorder.helper;
    const std::string& record = recorder.record;
};

}  // namespace

TEST_F(MenuLaunch, PickedEntryStartsItsProgram)
{
    std::string user = UserWith("e2e_launch", Options::InView());
    std::string work = dir.File("Arbeit");
    ASSERT_TRUE(CreateDirectoryA(work.c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(dir.File("deskrail." + user),
                               HEADER + MenuRecord("&Leer", 0) + MenuRecord("&Werkzeuge", 2) +
                                   EntryRecord("&Erstes", helper.c_str(), SW_SHOWNORMAL, 0, work.c_str(), "erstes") +
                                   EntryRecord("&Zweites", helper.c_str(), SW_SHOWMINNOACTIVE, 1, work.c_str(),
                                               "zweites 202")));
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    ASSERT_TRUE(window);

    Pick(window, 101);  // the empty first menu has no entries
    Pick(window, 203);
    EXPECT_TRUE(NoLaunchRecord(record));

    Pick(window, 202);
    LaunchRecord started;
    ASSERT_TRUE(WaitForLaunchRecord(record, started)) << "the entry did not start";
    EXPECT_EQ("zweites 202", started.args);
    EXPECT_EQ(SW_SHOWMINNOACTIVE, started.show);
    EXPECT_EQ(0, lstrcmpiA(work.c_str(), started.cwd.c_str())) << started.cwd;
    EXPECT_TRUE(bar.ExpectNoBox());
    CloseNormally(bar);
}

TEST_F(MenuLaunch, WindowsNt351StartsWithTheOldShellAndReportsAMissingFile)
{
    WindowsVersionOverride nt("DeskRail.exe", "nt351");
    std::string user = UserWith("e2e_launch_nt", Options());
    std::string missing = dir.File("fehlt.exe");
    ASSERT_TRUE(WriteFileBytes(dir.File("deskrail." + user),
                               HEADER + MenuRecord("&Alt", 2) + EntryRecord("&Fehlt", missing.c_str()) +
                                   EntryRecord("&Da", helper.c_str(), SW_SHOWNORMAL, 0, "", "alt")));
    BarProcess bar;
    HWND window = StartExpecting(bar, user, {});
    ASSERT_TRUE(window);

    Pick(window, 101);
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("DeskRail", box.caption);
    EXPECT_EQ("Datei nicht gefunden:\n" + missing, box.text);

    Pick(window, 102);
    LaunchRecord started;
    ASSERT_TRUE(WaitForLaunchRecord(record, started));
    EXPECT_EQ("alt", started.args);
    EXPECT_EQ(0, lstrcmpiA(dir.Path().c_str(), started.cwd.c_str())) << "the bar's own folder: " << started.cwd;
    CloseNormally(bar);
}
