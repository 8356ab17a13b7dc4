#include "native_model.h"

#include <cstring>

namespace {
template <size_t N>
bool Terminated(const char (&field)[N])
{
    return std::memchr(field, '\0', N) != nullptr;
}
}  // namespace

std::string ModelBreach()
{
    const UserMenu* left = nullptr;
    for (const UserMenu* menu = menuListHead; menu; left = menu, menu = menu->next) {
        if (menu->prev != left) return "menu prev link";
        if (!Terminated(menu->name)) return "menu name unterminated";
        int32_t count = 0;
        const ProgramItem* above = nullptr;
        for (const ProgramItem* item = menu->items; item; above = item, item = item->next, ++count) {
            if (item->prev != above) return std::string(menu->name) + ": entry prev link";
            if (!Terminated(item->path) || !Terminated(item->workingDirectory) || !Terminated(item->parameters) ||
                !Terminated(item->name))
                return std::string(menu->name) + ": entry text unterminated";
        }
        if (count != menu->itemCount) return std::string(menu->name) + ": itemCount is not the chain";
    }
    return "";
}

Shape CurrentShape()
{
    Shape shape;
    for (UserMenu* menu = menuListHead; menu; menu = menu->next) {
        shape.push_back({menu, {}});
        for (ProgramItem* item = menu->items; item; item = item->next) shape.back().second.push_back(item);
    }
    return shape;
}

std::string Describe()
{
    std::string out;
    for (const UserMenu* menu = menuListHead; menu; menu = menu->next) {
        out += std::string(menu->name) + "/" + std::to_string(menu->itemCount) + ":";
        for (const ProgramItem* item = menu->items; item; item = item->next)
            out += std::string(item->name) + "|" + item->path + "|" + item->workingDirectory + "|" +
                   item->parameters + "|" + std::to_string(item->showCommand) + "|" +
                   std::to_string(item->separatorBefore) + ";";
    }
    return out;
}
