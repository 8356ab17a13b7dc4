// Start and end, and what the bar keeps: warnings in order, the welcome, the options, the profile,
// the strip (also for a restarted shell), one bar at a time, a logoff. A broken or held profile
// stops the bar before it shows; a failed save at the end is reported once the hot key is free and
// keeps the old file and what the registry holds.
#include "win_bar_fixture.h"

using namespace driver;

namespace {

// Two menus, the second with one entry.
const char PROFILE[] = "deskrail-profile 103\nmenu \"A\"\nmenu \"B\"\n entry \"b\"\n";

bool HotKeyFree()
{
    bool free = RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, 'Z');
    return free && UnregisterHotKey(nullptr, 1);
}

class Startup : public BarTest {};

}  // namespace

TEST_F(Startup, FirstStartWarnsInOrderAndWelcomesTheNextKeepsItsSwitchesAndStripAndALogoffKeepsThem)
{
    std::string user = "e2e_first";
    ASSERT_TRUE(WriteRegistryValue(Key(user), "another value", REG_BINARY, "x", 1));  // a key without the record
    Bytes saved;
    {
        BarProcess bar;
        Start(bar, user + " -x -f", {Format(UNKNOWN_OPTION_FORMAT, "-x"), BAD_FILE_NAME_TEXT, REGISTRY_OUTDATED_TEXT,
                                     Format(WELCOME_FORMAT, ", ", user.c_str(), DESKRAIL_CONTACT)});
        EXPECT_EQ(BytesOf(Defaults(true)), Stored(user)) << "stored at first use";
        EXPECT_FALSE(ReadFileBytes(ProfileOf(user), saved)) << "the profile is written at the end";
        Close(bar);
    }
    // The default menus, two with two entries each (their fields the unit tests compare with the Python writer's).
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), saved) && saved.size() == 4 + 2 * 48 + 4 * 392) << saved.size();

    int bottom = StripEdge(ABE_BOTTOM);
    {
        BarProcess bar;
        HWND window = Start(bar, user + " +b -a", {});
        int strip = bottom - (WindowRect(window).bottom - WindowRect(window).top);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), WindowRect(window).bottom) << "docked at the bottom";
        EXPECT_EQ(strip, StripEdge(ABE_BOTTOM)) << "its strip reserved";
        APPBARDATA data = {sizeof data, window, 0, 0, {}, 0};
        SHAppBarMessage(ABM_REMOVE, &data);  // the host forgets the bar, as a restarted shell does
        ASSERT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == bottom; }));
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        EXPECT_TRUE(WaitFor([&] { return StripEdge(ABE_BOTTOM) == strip; })) << "the restarted shell's strip";
        BarProcess second;  // ends at once; the first stays
        ASSERT_TRUE(second.Start(exe, "e2e_second"));
        ExpectExit0(second);
        EXPECT_EQ(BytesOf(Defaults(true)), Stored(user)) << "switches reach the registry at the end";
        ASSERT_TRUE(DeleteFileA(ProfileOf(user).c_str()));
        SendMessageA(window, WM_ENDSESSION, TRUE, 0);  // the user logs off
        EXPECT_TRUE(bar.ExpectNoBox()) << "no box holds the logoff up";
    }  // the session's end takes the process with it
    UserVariables kept = Defaults(false);
    kept.dockBottom = 1;
    EXPECT_EQ(BytesOf(kept), Stored(user));
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), saved));
}

TEST_F(Startup, BrokenOrHeldProfileStopsTheBarAndNothingIsWritten)
{
    std::string user = UserWith("e2e_broken", Defaults(false)), name = "deskrail." + user;
    Bytes whole = ProfileBytes(PROFILE), after;
    // Broken (the unit tests read every kind); a whole file held by another program is no broken one, but
    // the defaults must not be saved over it.
    const struct { Bytes file; std::string text; bool held; } cases[] = {
        {{whole[0], whole[1]}, PROFILE_OLD_FORMAT_TEXT, false}, {whole, Format(PROFILE_UNREADABLE_FORMAT, name.c_str()), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(WriteFileBytes(ProfileOf(user), c.file));
        HANDLE held = c.held ? CreateFileA(ProfileOf(user).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0) : 0;
        BarProcess bar;
        ASSERT_TRUE(bar.Start(exe, user + " +b"));
        ASSERT_TRUE(WaitFor([&] { return FirstBox(bar.Id()) != nullptr; }));
        EXPECT_FALSE(FindProcessWindow(bar.Id(), "DRClass", nullptr)) << "no bar behind the box";
        Box box;
        ASSERT_TRUE(bar.NextBox(box));
        EXPECT_EQ(FATAL_CAPTION + ("|" + c.text), box.caption + "|" + box.text);
        ExpectExit0(bar);
        if (held) CloseHandle(held);
        EXPECT_TRUE(ReadFileBytes(ProfileOf(user), after) && after == c.file);
        EXPECT_EQ(BytesOf(Defaults(false)), Stored(user));
    }
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
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), old));
    BarProcess bar;
    Start(bar, user, {REGISTRY_ACCESS_FAILED_TEXT});
    // The registry comes back holding a record the bar never read: with no option changed, it stays.
    DeleteRegistryKey(AllUsers());
    UserWith(user, Defaults(false));
    EXPECT_FALSE(HotKeyFree());
    // Held without sharing: the save cannot replace it.
    HANDLE held = CreateFileA(ProfileOf(user).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(PostMessageA(bar.Bar(), WM_CLOSE, 0, 0));
    ASSERT_TRUE(WaitFor([&] { return FirstBox(bar.Id()) != nullptr; }));
    EXPECT_TRUE(HotKeyFree()) << "the hot key is free before the warning";
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ(Format(PROFILE_WRITE_FAILED_FORMAT, ("deskrail." + user).c_str()), box.text);
    ExpectExit0(bar);
    CloseHandle(held);
    EXPECT_EQ(BytesOf(Defaults(false)), Stored(user)) << "the stored record stays";
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), after) && after == old) << "the old file stays whole";
}
