// The services of platform.h on a POSIX system, for the native builds: the
// native deskrail-profile.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <new>

#include "base/platform.h"
#include "base/text.h"


const char PATH_SEPARATOR = '/';

void GetWindowsDirectoryText(char* buffer, size_t size) { CopyTextN(buffer, size, "C:\\WINDOWS"); }

FileRead ReadWholeFile(const char* path, unsigned char*& data, size_t& size)
{
    data = nullptr;
    size = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
    bool failed = std::fseek(file, 0, SEEK_END) != 0;
    long length = failed ? -1 : std::ftell(file);
    failed = length < 0 || std::fseek(file, 0, SEEK_SET) != 0;
    if (!failed && length > 0) {
        data = new (std::nothrow) unsigned char[length];
        failed = !data || std::fread(data, 1, length, file) != static_cast<size_t>(length);
    }
    std::fclose(file);
    if (failed && !data && length > 0) return FILE_TOO_BIG;
    if (failed) {
        delete[] data;
        data = nullptr;
        return FILE_UNREADABLE;
    }
    size = length;
    return FILE_READ;
}

// rename replaces in one step here: nothing is ever set aside.
int RestoreSetAside(const char*) { return 0; }

int ReplaceFileWith(const char* path, const unsigned char* data, size_t size)
{
    // A name no file has yet, beside the target: "<name>.tmp" could be another user's profile.
    char temp[1024];
    if (!FormatTextN(temp, sizeof temp, "%s.XXXXXX", path)) return 0;
    int descriptor = mkstemp(temp);
    if (descriptor < 0) return 0;
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        std::remove(temp);
        return 0;
    }
    bool whole = std::fwrite(data, 1, size, file) == size;
    whole = std::fclose(file) == 0 && whole;
    if (whole && std::rename(temp, path) == 0) return 1;
    std::remove(temp);
    return 0;
}

int IsSameFile(const char* first, const char* second)
{
    struct stat a, b;
    return stat(first, &a) == 0 && stat(second, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
