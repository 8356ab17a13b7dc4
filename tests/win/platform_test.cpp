// Saving a file: through a temporary file no other file shares a name with,
// and on Windows 95, whose replacing move is there but not implemented. The
// profile tool's messages in the console's code page.
#include <gtest/gtest.h>

#include "base/console_win.h"
#include "base/platform.h"
#include "base/seams_win.h"
#include "model_builders.h"
#include "menus/profile_file.h"
#include "win_driver.h"

extern decltype(&GetFileSize) sizeSlot asm("__imp__GetFileSize@8");

namespace {
DWORD WINAPI BeyondFourGigabytes(HANDLE, LPDWORD high) { return *high = 1, 0; }
BOOL WINAPI NotImplemented(LPCSTR, LPCSTR, DWORD) { return SetLastError(ERROR_CALL_NOT_IMPLEMENTED), FALSE; }
BOOL WINAPI DiskGone(HANDLE) { return SetLastError(ERROR_NOT_READY), FALSE; }
BOOL WINAPI DiskFull(HANDLE file, LPCVOID data, DWORD, LPDWORD written, LPOVERLAPPED)
{
    return WriteFile(file, data, 1, written, nullptr), SetLastError(ERROR_DISK_FULL), FALSE;
}

std::string Text(const std::string& path)
{
    std::vector<unsigned char> bytes;
    return driver::ReadFileBytes(path, bytes) ? std::string(bytes.begin(), bytes.end()) : "(none)";
}
}  // namespace

TEST(Platform, ASaveLeavesTheOldFileOrTheNewOneWholeAndOthersAlone)
{
    // Windows 95's move; an old file there; held open by another program; the flush fails; the disk full; what the name holds after.
    const struct { bool windows95, old, held, unflushed, full; const char* after; } cases[] = {{false, true, false, false, false, "new"},
        {true, true, false, false, false, "new"}, {true, false, false, false, false, "new"},
        {true, true, true, false, false, "old"}, {false, true, false, true, false, "old"}, {false, true, false, false, true, "old"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        driver::TempDir dir;
        const std::string path = dir.File("deskrail.anna"), other = dir.File("deskrail.anna.tmp");
        ASSERT_TRUE(driver::WriteFileBytes(other, {'a', 'n', 'n', 'a', '.', 't', 'm', 'p'}));
        if (c.old) {
            ASSERT_TRUE(driver::WriteFileBytes(path, {'o', 'l', 'd'}));
        }
        HANDLE held = c.held ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        driver::Seam move(Seams.moveFileEx, c.windows95 ? NotImplemented : MoveFileExA);
        driver::Seam flush(Seams.flushFileBuffers, c.unflushed ? DiskGone : FlushFileBuffers);
        driver::Seam write(Seams.writeFile, c.full ? DiskFull : WriteFile);
        const unsigned char bytes[] = {'n', 'e', 'w'};
        EXPECT_EQ(std::string(c.after) == "new", ReplaceFileWith(path.c_str(), bytes, sizeof bytes));
        if (held) CloseHandle(held);
        EXPECT_EQ(c.after, Text(path));
        EXPECT_EQ("anna.tmp", Text(other)) << "another user's profile";
        DeleteFileA(path.c_str());
        DeleteFileA(other.c_str());
        EXPECT_TRUE(RemoveDirectoryA(dir.Path().c_str())) << "no temporary file is left";
    }
}

TEST(Platform, ConsoleTextIsInTheConsolesCodePage)
{
    char shown[40];
    ConsoleText(shown, sizeof shown, "Zu lang, h\xF6" "chstens 30 Bytes.");
    EXPECT_STREQ("Zu lang, h\x94" "chstens 30 Bytes.", shown) << "the rig's console page, 850 (or 437)";
}

TEST(Platform, AStartAfterAWindows95ReplaceCutShortBetweenItsMovesTakesTheOldFileBack)
{
    driver::TempDir dir;
    const ProfilePlace anna = {dir.Path().c_str(), "deskrail.anna"};
    std::vector<unsigned char> old(4 + MENU_RECORD_SIZE, 0);  // the format, then one empty menu "A"
    old[0] = 103, old[4] = 'A';
    ASSERT_TRUE(driver::WriteFileBytes(dir.File("deskrail.anna.$$$"), old));
    TestMenus menus;
    EXPECT_FALSE(LoadProfile(menus, anna).fatal);
    EXPECT_TRUE(menus.menuListHead && std::string("A") == menus.menuListHead->name && !menus.menuListHead->next);
    EXPECT_EQ(std::string(old.begin(), old.end()) + "|(none)", Text(dir.File("deskrail.anna")) + "|" + Text(dir.File("deskrail.anna.$$$")));
}

TEST(Platform, AProfileHeldByAnotherProgramOrBeyondMemoryIsSaidSoAndStopsTheStart)
{
    driver::TempDir dir;
    const ProfilePlace anna = {dir.Path().c_str(), "deskrail.anna"};
    const std::string path = dir.File("deskrail.anna");
    ASSERT_TRUE(driver::WriteFileBytes(path, {103, 0, 0, 0}));
    const std::pair<bool, std::string> cases[] = {  // held without sharing; or its size beyond 4 GB
        {true, "Profildatei deskrail.anna kann nicht gelesen werden.\nVielleicht hält ein anderes Programm sie geöffnet.\n"
               "Bitte starten Sie DeskRail danach erneut."},
        {false, "Nicht genügend Speicher zum Laden der Profildatei."}};
    for (const auto& [held, message] : cases) {
        HANDLE file = held ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        driver::Seam<decltype(sizeSlot)> size(sizeSlot, held ? sizeSlot : BeyondFourGigabytes);
        MenuList menus;
        ProfileLoad load = LoadProfile(menus, anna);
        if (file) CloseHandle(file);
        EXPECT_TRUE(load.fatal && !menus.menuListHead) << message;
        EXPECT_EQ(message, load.message);
    }
}
