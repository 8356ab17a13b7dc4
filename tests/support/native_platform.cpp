#include "native_platform.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/platform.h"
#include "base/text.h"
#include "menus/profile_file.h"

namespace {
std::string windowsDirectory = "C:\\WINDOWS";
template <size_t N>
bool Terminated(const char (&field)[N]) { return std::memchr(field, '\0', N) != nullptr; }
}  // namespace

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
    Bytes bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        unsigned char block[4096];
        for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) bytes.insert(bytes.end(), block, block + got);
        std::fclose(file);
    }
    return bytes;
}

Bytes Encoded()
{
    size_t size = 0;
    unsigned char* bytes = EncodeProfile(size);
    Bytes encoded(bytes, bytes + size);
    delete[] bytes;
    return encoded;
}

UserMenu* AddMenu(const char* name)
{
    UserMenu* menu = CreateUserMenu();
    CopyText(menu->name, name);
    AppendUserMenu(menu);
    return menu;
}

ProgramItem* AddEntry(UserMenu* menu, const char* name, int separator)
{
    ProgramItem* item = CreateProgramItem();
    CopyText(item->name, name);
    item->separatorBefore = separator;
    AppendProgramItem(menu, item);
    return item;
}

std::string ModelBreach(Shape* shape)
{
    const UserMenu* left = nullptr;
    for (UserMenu* menu = menuListHead; menu; left = menu, menu = menu->next) {
        if (menu->prev != left || !Terminated(menu->name)) return "menu links or name";
        if (shape) shape->push_back({menu, {}});
        int32_t count = 0;
        const ProgramItem* above = nullptr;
        for (ProgramItem* item = menu->items; item; above = item, item = item->next, ++count) {
            if (item->prev != above || !Terminated(item->path) || !Terminated(item->workingDirectory) ||
                !Terminated(item->parameters) || !Terminated(item->name))
                return std::string(menu->name) + ": entry links or texts";
            if (shape) shape->back().second.push_back(item);
        }
        if (count != menu->itemCount) return std::string(menu->name) + ": itemCount is not the chain";
    }
    return "";
}

std::string Describe()
{
    std::string out;
    for (const UserMenu* menu = menuListHead; menu; menu = menu->next) {
        out += std::string(menu->name) + "/" + std::to_string(menu->itemCount) + ":";
        for (const ProgramItem* item = menu->items; item; item = item->next)
            out += std::string(item->name) + "|" + item->path + "|" + item->workingDirectory + "|" + item->parameters +
                   "|" + std::to_string(item->showCommand) + "|" + std::to_string(item->separatorBefore) + ";";
    }
    return out;
}

int SetCurrentDirectoryText(const char* directory) { return chdir(directory) == 0; }
void GetWindowsDirectoryText(char* buffer, size_t size) { CopyTextN(buffer, size, windowsDirectory.c_str()); }

FileRead ReadWholeFile(const char* path, unsigned char*& data, size_t& size)
{
    data = nullptr;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
    std::fclose(file);
    Bytes bytes = ReadBytes(path);
    size = bytes.size();
    if (size) data = std::copy(bytes.begin(), bytes.end(), new unsigned char[size]) - size;
    return FILE_READ;
}

int ReplaceFileWith(const char* path, const unsigned char* data, size_t size)
{
    std::string temp = NativeTemporaryFile(path);
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return 0;
    bool whole = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) == 0 && whole && std::rename(temp.c_str(), path) == 0) return 1;
    std::remove(temp.c_str());
    return 0;
}

int CopyFileOver(const char* source, const char* target)
{
    Bytes bytes = ReadBytes(source);
    return !bytes.empty() && ReplaceFileWith(target, bytes.data(), bytes.size());
}
