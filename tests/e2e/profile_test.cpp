// The profile file when it fails: a broken file stops the bar before it
// shows and nothing is written; a failed save at the end is reported once
// the hot key is free and leaves the old file whole; a start without the
// registry writes no defaults over a record at the end.
#include "win_bar_fixture.h"

using namespace driver;

namespace {

// DefaultProfile: the default menus as the bar writes them; with the number
// of menus and of the last menu's entries.
std::vector<unsigned char> DefaultProfile(int& menus, int& lastEntries)
{
    LoadProfileBytes(nullptr, 0);
    menus = 0;
    for (UserMenu* menu = menuListHead; menu; menu = menu->next) ++menus, lastEntries = menu->itemCount;
    size_t size = 0;
    unsigned char* bytes = EncodeProfile(size);
    std::vector<unsigned char> file(bytes, bytes + size);
    delete[] bytes;
    FreeAllUserMenus();
    return file;
}

bool HotKeyFree()
{
    bool free = RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, 'Z');
    return free && UnregisterHotKey(nullptr, 1);
}

class Profile : public BarTest {};

}  // namespace

TEST_F(Profile, BrokenFileStopsTheBarAndNothingIsWritten)
{
    std::string user = UserWith("e2e_broken", Defaults(false));
    std::vector<unsigned char> options = StoredBytes(user), after;
    int menus = 0, entries = 0;
    std::vector<unsigned char> cut = DefaultProfile(menus, entries);
    cut.pop_back();
    std::string name = "deskrail." + user;
    // A whole file held by another program (a backup tool, say) is no broken one, but
    // the defaults must not be saved over it either.
    const struct {
        std::vector<unsigned char> file;
        std::string text;
        bool held;
    } cases[] = {{cut, Format(PROFILE_CUT_ENTRY_FORMAT, menus, entries, name.c_str()), false},
                 {{cut[0], cut[1]}, PROFILE_OLD_FORMAT_TEXT, false},
                 {DefaultProfile(menus, entries), Format(PROFILE_UNREADABLE_FORMAT, name.c_str()), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(WriteFileBytes(ProfileOf(user), c.file));
        HANDLE held = c.held ? CreateFileA(ProfileOf(user).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                           nullptr)
                             : nullptr;
        BarProcess bar;
        ASSERT_TRUE(bar.Start(exe, user + " +b"));
        ASSERT_TRUE(WaitFor([&] { return !FindBoxes(bar.Id()).empty(); }));
        EXPECT_FALSE(FindProcessWindow(bar.Id(), "DRClass", nullptr)) << "no bar behind the box";
        Box box;
        ASSERT_TRUE(bar.NextBox(box));
        EXPECT_EQ(FATAL_CAPTION + ("|" + c.text), box.caption + "|" + box.text);
        ExpectExit0(bar);
        if (held) CloseHandle(held);
        EXPECT_TRUE(ReadFileBytes(ProfileOf(user), after) && after == c.file);
        EXPECT_EQ(options, StoredBytes(user));
    }
}

TEST_F(Profile, FailedSaveIsReportedOnceTheHotKeyIsFreeAndKeepsWhatWasStored)
{
    // A volatile parent key refuses the lasting key the options need, so the
    // start has no registry; the profile is held open without sharing.
    std::string user = User("e2e_held"), parent = Key(user).substr(0, Key(user).rfind('\\'));
    // The parent holds other users' keys; only a parent made anew can be volatile.
    auto deleteTree = reinterpret_cast<LONG(WINAPI*)(HKEY, LPCSTR)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteTreeA")));
    ASSERT_TRUE(deleteTree);
    deleteTree(HKEY_CURRENT_USER, parent.c_str());
    HKEY key;
    ASSERT_FALSE(RegCreateKeyExA(HKEY_CURRENT_USER, parent.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, &key, nullptr));
    RegCloseKey(key);
    int menus, entries;
    std::vector<unsigned char> old = DefaultProfile(menus, entries), after;
    ASSERT_TRUE(WriteFileBytes(ProfileOf(user), old));

    BarProcess bar;
    Start(bar, user, {REGISTRY_ACCESS_FAILED_TEXT});
    // The registry comes back while the bar runs, holding a record the bar
    // never read: with no option changed, the end must not overwrite it.
    deleteTree(HKEY_CURRENT_USER, parent.c_str());
    std::string stored = UserWith(user, Defaults(false));
    EXPECT_FALSE(HotKeyFree());
    HANDLE held = CreateFileA(ProfileOf(user).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(bar.Close());
    ASSERT_TRUE(WaitFor([&] { return !FindBoxes(bar.Id()).empty(); }));
    EXPECT_TRUE(HotKeyFree()) << "the hot key is free before the warning";
    Box box;
    ASSERT_TRUE(bar.NextBox(box));
    EXPECT_EQ(Format(PROFILE_WRITE_FAILED_FORMAT, ("deskrail." + user).c_str()), box.text);
    ExpectExit0(bar);
    CloseHandle(held);
    EXPECT_EQ(Bytes(Defaults(false)), StoredBytes(stored)) << "the stored record stays";
    EXPECT_TRUE(ReadFileBytes(ProfileOf(user), after) && after == old) << "the old file stays whole";
}
