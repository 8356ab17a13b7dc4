#include "menus/menu_model.h"

#include <cstring>
#include <new>

#include "base/texts.h"

UserMenu* CreateUserMenu()
{
    return new (std::nothrow) UserMenu();
}

ProgramItem* CreateProgramItem()
{
    ProgramItem* item = new (std::nothrow) ProgramItem();
    if (item) item->showCommand = SHOW_COMMAND_DEFAULT;
    return item;
}

void AppendUserMenu(MenuList& menus, UserMenu* menu)
{
    if (!menus.menuListHead) {
        menus.menuListHead = menu;
        return;
    }
    UserMenu* last = menus.menuListHead;
    while (last->next) last = last->next;
    last->next = menu;
    menu->prev = last;
}

void AppendProgramItem(UserMenu* menu, ProgramItem* item)
{
    if (!menu->items) {
        menu->items = item;
    } else {
        ProgramItem* last = menu->items;
        while (last->next) last = last->next;
        last->next = item;
        item->prev = last;
    }
    menu->itemCount++;
}

void UnlinkUserMenu(MenuList& menus, UserMenu* menu)
{
    UserMenu* next = menu->next;
    UserMenu* prev = menu->prev;
    if (!next) {
        if (prev) prev->next = nullptr;
        // A menu that was never linked must not empty the list.
        else if (menus.menuListHead == menu) menus.menuListHead = nullptr;
    } else if (prev) {
        prev->next = next;
        next->prev = prev;
    } else {
        menus.menuListHead = next;
        next->prev = nullptr;
    }
}

void UnlinkProgramItem(ProgramItem* item)
{
    ProgramItem* next = item->next;
    ProgramItem* prev = item->prev;
    if (!next) {
        if (prev) prev->next = nullptr;
    } else if (prev) {
        prev->next = next;
        next->prev = prev;
    } else {
        next->prev = nullptr;
    }
}

// The swap is the same on both lists; only the menu list has a head to mend.
template <class Node>
static int SwapWithNeighbour(Node* node, int key, Node** head)
{
    if (!node) return 0;
    if (key == MOVE_UP) {
        Node* above = node->prev;
        if (!above) return 0;
        Node* oldNext = node->next;
        Node* aboveAbove = above->prev;
        if (oldNext) oldNext->prev = above;
        if (aboveAbove) aboveAbove->next = node;
        else if (head) *head = node;
        above->next = oldNext;
        node->next = above;
        node->prev = aboveAbove;
        above->prev = node;
        return 1;
    }
    if (key == MOVE_DOWN) {
        Node* below = node->next;
        if (!below) return 0;
        Node* oldPrev = node->prev;
        Node* belowBelow = below->next;
        if (oldPrev) oldPrev->next = below;
        else if (head) *head = below;
        if (belowBelow) belowBelow->prev = node;
        below->prev = oldPrev;
        node->prev = below;
        node->next = belowBelow;
        below->next = node;
        return 1;
    }
    return 0;
}

int MoveUserMenu(MenuList& menus, UserMenu* menu, int key)
{
    return SwapWithNeighbour(menu, key, &menus.menuListHead);
}

int MoveProgramItem(ProgramItem* item, int key)
{
    return SwapWithNeighbour<ProgramItem>(item, key, nullptr);
}

void FreeProgramItem(ProgramItem* item)
{
    if (!item) return;
    UnlinkProgramItem(item);
    delete item;
}

void FreeUserMenu(MenuList& menus, UserMenu* menu)
{
    if (!menu) return;
    ProgramItem* item = menu->items;
    while (item) {
        ProgramItem* next = item->next;
        FreeProgramItem(item);
        item = next;
    }
    menu->items = nullptr;
    UnlinkUserMenu(menus, menu);
    delete menu;
}

void FreeAllUserMenus(MenuList& menus)
{
    UserMenu* menu = menus.menuListHead;
    while (menu) {
        UserMenu* next = menu->next;
        FreeUserMenu(menus, menu);
        menu = next;
    }
}

void FreeCommandBindings(MenuList& menus)
{
    while (menus.bindingListHead) {
        CommandBinding* next = menus.bindingListHead->next;
        delete menus.bindingListHead;
        menus.bindingListHead = next;
    }
    menus.bindingListTail = nullptr;
}

int AppendCommandBinding(MenuList& menus, int32_t id, ProgramItem* item)
{
    CommandBinding* binding = new (std::nothrow) CommandBinding();
    if (!binding) return 0;
    binding->id = id;
    binding->item = item;
    CommandBinding*& tail = menus.bindingListTail;
    if (!menus.bindingListHead) tail = nullptr;
    while (tail && tail->next) tail = tail->next;
    if (tail) tail->next = binding;
    else menus.bindingListHead = binding;
    tail = binding;
    return 1;
}

UserMenu* FindUserMenu(const MenuList& menus, const char* name)
{
    // A name too long for the field can match no menu.
    if (std::strlen(name) < MENU_NAME_SIZE)
        for (UserMenu* menu = menus.menuListHead; menu; menu = menu->next)
            if (std::strncmp(menu->name, name, MENU_NAME_SIZE) == 0) return menu;
    return nullptr;
}

ProgramItem* FindProgramItem(ProgramItem* first, const char* name)
{
    if (std::strcmp(name, SEPARATOR_TEXT) == 0) return nullptr;
    if (std::strlen(name) < ITEM_NAME_SIZE)
        for (ProgramItem* item = first; item; item = item->next)
            if (std::strncmp(item->name, name, ITEM_NAME_SIZE) == 0) return item;
    return nullptr;
}
