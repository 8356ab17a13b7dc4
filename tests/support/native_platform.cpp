#include "native_platform.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "base/platform.h"
#include "base/text.h"

namespace {
std::string windowsDirectory = "C:\\WINDOWS";
}

void SetNativeWindowsDirectory(const std::string& directory) { windowsDirectory = directory; }

std::string NativeTemporaryFile(const std::string& path) { return path + ".tmp"; }

std::string Formatted(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int SetCurrentDirectoryText(const char* directory) { return chdir(directory) == 0; }

void GetWindowsDirectoryText(char* buffer, size_t size) { CopyTextN(buffer, size, windowsDirectory.c_str()); }

FileRead ReadWholeFile(const char* path, unsigned char*& data, size_t& size)
{
    data = nullptr;
    size = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
    std::string bytes;
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
    bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) return FILE_UNREADABLE;
    if (bytes.empty()) return FILE_READ;
    data = new unsigned char[bytes.size()];
    bytes.copy(reinterpret_cast<char*>(data), bytes.size());
    size = bytes.size();
    return FILE_READ;
}

int ReplaceFileWith(const char* path, const unsigned char* data, size_t size)
{
    std::string temp = NativeTemporaryFile(path);
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return 0;
    bool whole = std::fwrite(data, 1, size, file) == size;
    whole = std::fclose(file) == 0 && whole;
    if (whole && std::rename(temp.c_str(), path) == 0) return 1;
    std::remove(temp.c_str());
    return 0;
}
