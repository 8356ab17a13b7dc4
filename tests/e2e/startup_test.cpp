// Start and end, and what the bar keeps: warnings in order, the welcome, the options, the profile,
// the strip (also for a restarted shell), one bar at a time, a logoff. A failed save at the end is
// reported once the hot key is free and keeps the old file and what the registry holds.
#include "menus/menu_numbering.h"
#include "resources/resource.h"
#include "win_bar_fixture.h"

using namespace driver;

namespace {

const char PROFILE[] = "deskrail-profile 103\nmenu \"A\"\nmenu \"B\"\n entry \"b\"\n";

bool HotKeyFree() { return RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, 'Z') && UnregisterHotKey(nullptr, 1); }

class Startup : public BarTest {};

}  // namespace

TEST_F(Startup, FirstStartWarnsInOrderAndWelcomesTheNextKeepsItsSwitchesAndStripAndALogoffKeepsThem)
{
    std::string user = "e2e_first";
    ASSERT_TRUE(WriteRegistryValue(Key(user), "another value", REG_BINARY, "x", 1));  // a key without the record
    Bytes saved;
    {
        BarProcess bar, second;  // the second starts during the first one's welcome, and ends at once
        Start(bar, user + " -x -f", {"Unbekannte Option: -x", BAD_FILE_NAME_TEXT, REGISTRY_OUTDATED_TEXT,
                                     "Vielen Dank für die Benutzung von DeskRail, " + user + "!\nSollten Sie einen Fehler "
                                     "bemerken, schicken Sie\nbitte eine Email an: " DESKRAIL_CONTACT "!"},
              [&] { EXPECT_TRUE(second.Start(exe, user)), ExpectExit0(second); });
        BarProcess third;  // heard: the hidden bar comes into view
        EXPECT_TRUE(third.Start(exe, "")), ExpectExit0(third);
        EXPECT_TRUE(WaitFor([&] { return WindowRect(bar.Bar()).top == 0; })) << "in view";
        EXPECT_EQ(BytesOf(Defaults(true)), Stored(user)) << "stored at first use";
        EXPECT_FALSE(ReadFileBytes(ProfileOf(user), saved)) << "the profile is written at the end";
        Close(bar);
    }
    // The default menus, two with two entries each (their fields the unit tests compare with the Python writer's).
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), saved) && saved.size() == 4 + 2 * 48 + 4 * 392) << saved.size();

    std::string twenty = "deskrail-profile 103\n";  // titles that need two lines of a 1024-pixel screen
    for (int m = 10; m < 30; ++m) twenty += "menu \"Menü " + std::to_string(m) + "\"\n entry \"x\"\n  path \"x\"\n";
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), ProfileBytes(twenty)));  // the bar docks with both lines
    int bottom = StripEdge(ABE_BOTTOM);
    {
        BarProcess bar;
        HWND window = Start(bar, user + " +b -a", {});
        int strip = bottom - (WindowRect(window).bottom - WindowRect(window).top);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), WindowRect(window).bottom) << "docked at the bottom";
        EXPECT_EQ(2 * GetSystemMetrics(SM_CYMENU) + 10, bottom - strip) << "two menu lines";
        EXPECT_EQ(strip, StripEdge(ABE_BOTTOM)) << "its strip reserved";
        EXPECT_TRUE(WaitFor([&] { return StatusDrawn(window, GetSystemMetrics(SM_CYMENU) + 6); }, 1000)) << "on the second line";
        APPBARDATA data = {sizeof data, window, 0, 0, {}, 0};
        SHAppBarMessage(ABM_REMOVE, &data);  // the host forgets the bar, as a restarted shell does
        ASSERT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == bottom; }));
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        EXPECT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == strip; })) << "the restarted shell's strip";
        EXPECT_EQ(BytesOf(Defaults(true)), Stored(user)) << "switches reach the registry at the end";
        for (std::string arguments : {"-m", "e2e_other"}) {  // a switch for this bar; another user's bar
            BarProcess second;
            Box box;
            EXPECT_TRUE(second.Start(exe, arguments));
            if (arguments[0] != '-') EXPECT_TRUE(second.NextBox(box) && box.text == OTHER_USER_BAR_TEXT);
            ExpectExit0(second);
        }
        ASSERT_TRUE(WriteFileBytes(ProfileOf(user), ProfileBytes(PROFILE)));  // written by another program
        SendMessageA(window, WM_ENDSESSION, TRUE, 0);  // the user logs off
        EXPECT_TRUE(bar.ExpectNoBox()) << "no box holds the logoff up";
    }  // the session's end takes the process with it
    UserVariables kept = Defaults(false);
    kept.dockBottom = 1, kept.showFreeMemory = 0;
    EXPECT_EQ(BytesOf(kept), Stored(user));
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), saved) && saved == ProfileBytes(PROFILE)) << "unchanged menus not written";
}

TEST_F(Startup, FailedSaveIsReportedOnceTheHotKeyIsFreeAndKeepsWhatWasStored)
{
    // A volatile parent key refuses the lasting key the options need, so the start has no registry.
    std::string user = "e2e_held";
    HKEY key;
    ASSERT_FALSE(RegCreateKeyExA(HKEY_CURRENT_USER, AllUsers().c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegCloseKey(key);
    Bytes old = ProfileBytes(PROFILE), after;
    old.push_back('x');  // a byte no record takes: the end writes the file
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), old));
    BarProcess bar;
    Start(bar, user, {REGISTRY_ACCESS_FAILED_TEXT});
    // The registry comes back holding a record the bar never read: only the option the user changes is written onto it.
    DeleteRegistryKey(AllUsers());
    UserVariables kept = Defaults(false);
    kept.dockBottom = 1, kept.showFreeMemory = 0;
    UserWith(user, kept);
    PostMessageA(bar.Bar(), WM_COMMAND, IDM_OPTIONS, 0);
    HWND options = DialogOwnedBy(bar.Bar());
    ClickBox(options, IDC_SHOW_DATE), PressButton(options, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(options); }));
    EXPECT_FALSE(HotKeyFree());
    // Held without sharing: the save cannot replace it.
    HANDLE held = CreateFileA(ProfileOf(user).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(PostMessageA(bar.Bar(), WM_CLOSE, 0, 0));
    ASSERT_TRUE(WaitFor([&] { return FirstBox(bar.Id()) != nullptr; }));
    EXPECT_TRUE(HotKeyFree()) << "the hot key is free before the warning";
    EXPECT_EQ(BytesOf(kept), Stored(user)) << "the options are saved after the menus";
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ("Profildatei deskrail." + user + " konnte nicht geschrieben werden.\nBitte überprüfen Sie die Datei.", box.text);
    ExpectExit0(bar);
    CloseHandle(held);
    kept.showDate = 1;
    EXPECT_EQ(BytesOf(kept), Stored(user)) << "the stored record and the change";
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), after) && after == old) << "the old file stays whole";
}

TEST_F(Startup, InADriveRootStartedElsewhereTheProfileIsBesideTheProgramAndAnImportShowsAtOnce)
{
    ASSERT_NE(DRIVE_NO_ROOT_DIR, GetDriveTypeA("Q:\\")) << "the Wine rig maps drive Q:";
    std::string user = UserWith("e2e_root", Defaults(false)), profile = "Q:\\deskrail." + user, record = dir.File("r.txt");
    DeleteFileA(profile.c_str()), CreateDirectoryA("Q:\\sub", nullptr);
    std::string root = Copy("DeskRail.exe", "Q:"), tool = Copy("deskrail-profile.exe", "Q:");
    SetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", record.c_str());
    const std::string text = "deskrail-profile 103\nmenu \"&Neu\"\n entry \"r\"\n  path \"" + Copy("record_launch.exe", "Q:") + "\"\n";
    ASSERT_TRUE(WriteFileBytes("Q:\\sub\\import.txt", Bytes(text.begin(), text.end())));
    Bytes saved, started;
    for (int run = 0; run < 2; ++run) {  // the first writes the defaults, the second reads them, then an import
        BarProcess bar, import;
        ASSERT_TRUE(bar.Start(root, user, "Q:\\sub"));
        ASSERT_TRUE(WaitFor([&] { return bar.Bar() != nullptr; }));
        if (run) {
            ASSERT_TRUE(import.Start(tool, "import import.txt " + profile, "Q:\\sub")) << tool;
            ExpectExit0(import);
            PostMessageA(bar.Bar(), WM_COMMAND, EntryCommandId(1, 1), 0);  // queued behind the tool's announcement
            EXPECT_TRUE(WaitFor([&] { return ReadFileBytes(record, started); })) << "the imported entry is not in the bar";
        }
        Close(bar);
        EXPECT_TRUE(ReadFileBytes(profile, saved) && !ReadFileBytes("Q:\\sub\\deskrail." + user, started)) << "beside it";
    }
    EXPECT_EQ(ProfileBytes(text), saved) << "the import outlasts the bar";
}
