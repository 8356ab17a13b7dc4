#include "menus/menu_numbering.h"

#include "menus/menu_model.h"

int32_t EntryCommandId(int32_t menuPosition, int32_t entryPosition)
{
    return 100 * menuPosition + entryPosition;
}

bool EntryHasCommand(int32_t menuPosition, int32_t entryPosition)
{
    return menuPosition >= 1 && menuPosition <= MENU_LIMIT && entryPosition >= 1 && entryPosition <= MENU_ENTRY_LIMIT;
}

bool MenusExceedLimits(const MenuList& menus)
{
    int32_t menuPosition = 1;
    for (const UserMenu* menu = menus.menuListHead; menu; menu = menu->next, ++menuPosition) {
        int32_t entryPosition = 1;
        for (const ProgramItem* item = menu->items; item; item = item->next, ++entryPosition)
            if (!EntryHasCommand(menuPosition, entryPosition)) return true;
    }
    return false;
}

int BindMenuEntries(MenuList& menus)
{
    FreeCommandBindings(menus);
    int32_t menuPosition = 1;
    for (UserMenu* menu = menus.menuListHead; menu; menu = menu->next, ++menuPosition) {
        int32_t entryPosition = 1;
        for (ProgramItem* item = menu->items; item; item = item->next, ++entryPosition)
            if (EntryHasCommand(menuPosition, entryPosition) &&
                !AppendCommandBinding(menus, EntryCommandId(menuPosition, entryPosition), item))
                return 0;
    }
    return 1;
}

ProgramItem* FindProgramForCommand(const MenuList& menus, int32_t id)
{
    for (const CommandBinding* binding = menus.bindingListHead; binding; binding = binding->next)
        if (binding->id == id) return binding->item;
    return nullptr;
}
