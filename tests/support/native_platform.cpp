#include "native_platform.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "base/platform.h"
#include "base/text.h"
#include "menus/profile_file.h"

namespace {
std::string windowsDirectory = "C:\\WINDOWS";
template <size_t N>
bool Terminated(const char (&field)[N]) { return std::memchr(field, '\0', N) != nullptr; }
}  // namespace

void SetNativeWindowsDirectory(const std::string& directory) { windowsDirectory = directory; }

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
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    const std::string read = bytes.str();
    return Bytes(read.begin(), read.end());
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
        out += Formatted("%s/%d:", menu->name, menu->itemCount);
        for (const ProgramItem* item = menu->items; item; item = item->next)
            out += Formatted("%s|%s|%s|%s|%d|%d;", item->name, item->path, item->workingDirectory, item->parameters,
                             item->showCommand, item->separatorBefore);
    }
    return out;
}

int SetCurrentDirectoryText(const char* directory) { return chdir(directory) == 0; }
void GetWindowsDirectoryText(char* buffer, size_t size) { CopyTextN(buffer, size, windowsDirectory.c_str()); }

FileRead ReadWholeFile(const char* path, unsigned char*& data, size_t& size)
{
    data = nullptr;
    if (access(path, R_OK) != 0) return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
    Bytes bytes = ReadBytes(path);
    size = bytes.size();
    if (size) data = static_cast<unsigned char*>(std::memcpy(new unsigned char[size], bytes.data(), size));
    return FILE_READ;
}

// The save goes through a temporary file beside the profile, as on Windows.
int ReplaceFileWith(const char* path, const unsigned char* data, size_t size)
{
    const std::string temp = std::string(path) + ".tmp";
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
