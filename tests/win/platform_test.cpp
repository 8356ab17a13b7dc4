// Saving a file: through a temporary file no other file shares a name with,
// and on Windows 95, whose replacing move is there but not implemented.
#include <gtest/gtest.h>

#include "base/platform.h"
#include "base/platform_win.h"
#include "win_driver.h"

namespace {
BOOL WINAPI NotImplemented(LPCSTR, LPCSTR, DWORD) { return SetLastError(ERROR_CALL_NOT_IMPLEMENTED), FALSE; }

std::string Text(const std::string& path)
{
    std::vector<unsigned char> bytes;
    return driver::ReadFileBytes(path, bytes) ? std::string(bytes.begin(), bytes.end()) : "(none)";
}

int FileCount(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    int count = 0;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        count += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return count;
}
}  // namespace

TEST(Platform, ASaveLeavesTheOldFileOrTheNewOneWholeAndOthersAlone)
{
    // Windows 95's move; an old file there; held open by another program; what the name holds after.
    const struct { bool windows95, old, held; const char* after; } cases[] = {
        {false, true, false, "new"}, {true, true, false, "new"}, {true, false, false, "new"}, {true, true, true, "old"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        driver::TempDir dir;
        const std::string path = dir.File("deskrail.anna"), other = dir.File("deskrail.anna.tmp");
        const std::string another = "the profile of a user named anna.tmp";
        ASSERT_TRUE(driver::WriteFileBytes(other, {another.begin(), another.end()}));
        if (c.old) ASSERT_TRUE(driver::WriteFileBytes(path, {'o', 'l', 'd'}));
        HANDLE held = c.held ? CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
        moveFileEx = c.windows95 ? NotImplemented : MoveFileExA;
        const unsigned char bytes[] = {'n', 'e', 'w'};
        EXPECT_EQ(std::string(c.after) == "new", ReplaceFileWith(path.c_str(), bytes, sizeof bytes));
        moveFileEx = MoveFileExA;
        if (held) CloseHandle(held);
        EXPECT_EQ(c.after, Text(path));
        EXPECT_EQ(another, Text(other));
        EXPECT_EQ(2, FileCount(dir.Path())) << "no temporary file is left";
    }
}
