#include "native_platform.h"

#include <cstdarg>
#include <cstring>
#include <fstream>
#include <sstream>

#include "menus/profile_file.h"

namespace {
template <size_t N>
bool Terminated(const char (&field)[N]) { return std::memchr(field, '\0', N) != nullptr; }
}  // namespace

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

Bytes Encoded(const MenuList& menus)
{
    size_t size = 0;
    unsigned char* bytes = EncodeProfile(menus, size);
    Bytes encoded(bytes, bytes + size);
    delete[] bytes;
    return encoded;
}

std::string ModelBreach(const MenuList& menus, Shape* shape)
{
    const UserMenu* left = nullptr;
    for (UserMenu* menu = menus.menuListHead; menu; left = menu, menu = menu->next) {
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

std::string Describe(const MenuList& menus)
{
    std::string out;
    for (const UserMenu* menu = menus.menuListHead; menu; menu = menu->next) {
        out += Formatted("%s/%d:", menu->name, menu->itemCount);
        for (const ProgramItem* item = menu->items; item; item = item->next)
            out += Formatted("%s|%s|%s|%s|%d|%d;", item->name, item->path, item->workingDirectory, item->parameters,
                             item->showCommand, item->separatorBefore);
    }
    return out;
}
