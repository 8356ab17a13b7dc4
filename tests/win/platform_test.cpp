// Saving a file: through a temporary file no other file shares a name with,
// and on Windows 95, whose replacing move is there but not implemented.
#include <gtest/gtest.h>

#include "base/platform.h"
#include "base/platform_win.h"
#include "win_driver.h"

namespace {
BOOL WINAPI NotImplemented(LPCSTR, LPCSTR, DWORD) { return SetLastError(ERROR_CALL_NOT_IMPLEMENTED), FALSE; }
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
    // Windows 95's move; an old file there; held open by another program; the disk full; what the name holds after.
    const struct { bool windows95, old, held, full; const char* after; } cases[] = {{false, true, false, false, "new"},
        {true, true, false, false, "new"}, {true, false, false, false, "new"}, {true, true, true, false, "old"},
        {false, true, false, true, "old"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        driver::TempDir dir;
        const std::string path = dir.File("deskrail.anna"), other = dir.File("deskrail.anna.tmp");
        ASSERT_TRUE(driver::WriteFileBytes(other, {'a', 'n', 'n', 'a', '.', 't', 'm', 'p'}));
        if (c.old) {
            ASSERT_TRUE(driver::WriteFileBytes(path, {'o', 'l', 'd'}));
        }
        HANDLE held = c.held ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        moveFileEx = c.windows95 ? NotImplemented : MoveFileExA;
        writeFile = c.full ? DiskFull : WriteFile;
        const unsigned char bytes[] = {'n', 'e', 'w'};
        EXPECT_EQ(std::string(c.after) == "new", ReplaceFileWith(path.c_str(), bytes, sizeof bytes));
        moveFileEx = MoveFileExA;
        writeFile = WriteFile;
        if (held) CloseHandle(held);
        EXPECT_EQ(c.after, Text(path));
        EXPECT_EQ("anna.tmp", Text(other)) << "another user's profile";
        DeleteFileA(path.c_str());
        DeleteFileA(other.c_str());
        EXPECT_TRUE(RemoveDirectoryA(dir.Path().c_str())) << "no temporary file is left";
    }
}
