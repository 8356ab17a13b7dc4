#include <windows.h>

#include <new>

#include "base/platform.h"
#include "base/seams_win.h"
#include "base/text.h"
#include "base/handles_win.h"

const char PATH_SEPARATOR = '\\';

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
    if (length == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return FILE_UNREADABLE;
    if (high) return FILE_TOO_BIG;
    if (length == 0) return FILE_READ;
    unsigned char* bytes = new (std::nothrow) unsigned char[length];
    if (!bytes) return FILE_TOO_BIG;
    DWORD read = 0;
    if (!ReadFile(file.handle, bytes, length, &read, nullptr) || read != length) {
        delete[] bytes;
        return FILE_UNREADABLE;
    }
    data = bytes;
    size = length;
    return FILE_READ;
}

namespace {

// UniqueFileBeside: a fresh empty file in path's folder whose name no other
// file had, so it cannot be another user's profile.
bool UniqueFileBeside(const char* path, char (&unique)[MAX_PATH])
{
    char folder[MAX_PATH];
    if (!CopyText(folder, path)) return false;
    char* slash = nullptr;
    for (char* c = folder; *c; ++c)
        if (*c == '\\' || *c == '/' || *c == ':') slash = c;
    if (!slash) CopyText(folder, ".");
    else if (*slash == ':') slash[1] = '\0';
    else *slash = '\0';
    if (!folder[0]) CopyText(folder, "\\");
    return GetTempFileNameA(folder, "drp", 0, unique) != 0;
}

// ReplaceStepwise: Windows 95 exports the replacing move but does not
// implement it. The old file steps aside, the new one takes its place, and
// only then does the old one go; if the new one cannot take its place the old
// one comes back, so the name always holds one of them whole.
// The old file steps aside under a name the next start can find, should the
// power fail between the two moves; when that name is taken, under a fresh one.
bool ReplaceStepwise(const char* temp, const char* path)
{
    char aside[MAX_PATH];
    if (!FormatTextN(aside, sizeof aside, "%s.$$$", path)) return false;
    if (!MoveFileA(path, aside)) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return MoveFileA(temp, path) != 0;
        if (!UniqueFileBeside(path, aside)) return false;
        DeleteFileA(aside);
        if (!MoveFileA(path, aside)) return false;
    }
    if (!MoveFileA(temp, path)) {
        MoveFileA(aside, path);
        return false;
    }
    DeleteFileA(aside);
    return true;
}

}  // namespace

int RestoreSetAside(const char* path)
{
    char aside[MAX_PATH];
    // MoveFileA replaces nothing: a path that exists stays as it is.
    return FormatTextN(aside, sizeof aside, "%s.$$$", path) && MoveFileA(aside, path);
}

int ReplaceFileWith(const char* path, const unsigned char* data, size_t size)
{
    char temp[MAX_PATH];
    if (!UniqueFileBeside(path, temp)) return 0;
    FileHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool whole = file.Valid();
    DWORD written = 0;
    whole = whole && Seams.writeFile(file.handle, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
    // On the disk before the rename: a power cut would otherwise leave the
    // new name on blocks never written, zeros that read as the old format.
    whole = whole && Seams.flushFileBuffers(file.handle);
    whole = file.Close() && whole;
    if (whole) {
        // Write-through, so a crash right after leaves either the old or the new file.
        if (Seams.moveFileEx(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
        if (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED && ReplaceStepwise(temp, path)) return 1;
    }
    DeleteFileA(temp);
    return 0;
}
