// model_builders.h: menus and entries for tests, appended to the live model.
#pragma once
#include "base/text.h"
#include "menus/menu_model.h"

namespace builders {

inline UserMenu* AddMenu(const char* name)
{
    UserMenu* menu = CreateUserMenu();
    CopyText(menu->name, name);
    AppendUserMenu(menu);
    return menu;
}

inline ProgramItem* AddEntry(UserMenu* menu, const char* name, int separator = 0, int show = SHOW_COMMAND_DEFAULT, const char* path = "")
{
    ProgramItem* item = CreateProgramItem();
    CopyText(item->name, name);
    CopyText(item->path, path);
    item->separatorBefore = separator;
    item->showCommand = show;
    AppendProgramItem(menu, item);
    return item;
}

}  // namespace builders
