#include <windows.h>

#include <new>

#include "base/platform.h"
#include "base/text.h"
#include "base/handles_win.h"

int SetCurrentDirectoryText(const char* directory) { return SetCurrentDirectoryA(directory) != 0; }

void GetWindowsDirectoryText(char* buffer, size_t size)
{
    char directory[MAX_PATH];
    UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) directory[0] = '\0';
    CopyTextN(buffer, size, directory);
}

FileRead ReadWholeFile(const char* path, unsigned char*& data, size_t& size)
{
    data = nullptr;
    size = 0;
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FILE_MISSING : FILE_UNREADABLE;
    }
    DWORD high = 0;
    DWORD length = GetFileSize(file.handle, &high);
    if ((length == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high) return FILE_UNREADABLE;
    if (length == 0) return FILE_READ;
    unsigned char* bytes = new (std::nothrow) unsigned char[length];
    if (!bytes) return FILE_UNREADABLE;
    DWORD read = 0;
    if (!ReadFile(file.handle, bytes, length, &read, nullptr) || read != length) {
        delete[] bytes;
        return FILE_UNREADABLE;
    }
    data = bytes;
    size = length;
    return FILE_READ;
}

int ReplaceFileWith(const char* path, const unsigned char* data, size_t size)
{
    char temp[MAX_PATH];
    if (!FormatTextN(temp, sizeof temp, "%s.tmp", path)) return 0;
    FileHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return 0;
    DWORD written = 0;
    bool whole = WriteFile(file.handle, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
    whole = file.Close() && whole;
    // Write-through, so a crash right after leaves either the old or the new file.
    if (whole && MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
    DeleteFileA(temp);
    return 0;
}
