// model_builders.h: menus and entries for tests, appended to a menu list.
#pragma once
#include "base/text.h"
#include "menus/menu_model.h"

// TestMenus: a menu list of the test's own, freed with its bindings when it goes.
struct TestMenus : MenuList { ~TestMenus() { FreeCommandBindings(*this), FreeAllUserMenus(*this); } };

inline UserMenu* AddMenu(MenuList& menus, const char* name)
{
    UserMenu* menu = CreateUserMenu();
    CopyText(menu->name, name);
    AppendUserMenu(menus, menu);
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
