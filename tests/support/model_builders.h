// model_builders.h: menus and entries for tests, appended to the live model.
#pragma once
#include "base/text.h"
#include "menus/menu_model.h"

inline UserMenu* AddMenu(const char* name)
{
    UserMenu* menu = CreateUserMenu();
    CopyText(menu->name, name);
    AppendUserMenu(menu);
    return menu;
}

inline ProgramItem* AddEntry(UserMenu* menu, const char* name, int separator = 0)
{
    ProgramItem* item = CreateProgramItem();
    CopyText(item->name, name);
    item->separatorBefore = separator;
    AppendProgramItem(menu, item);
    return item;
}
