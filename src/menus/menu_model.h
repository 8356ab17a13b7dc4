// menu_model.h: the user menus and their program entries in memory, and the
// index from menu command identifiers to entries.
#pragma once
#include <cstdint>

enum {
    MENU_NAME_SIZE = 30,
    ITEM_PATH_SIZE = 128,
    ITEM_DIRECTORY_SIZE = 128,
    ITEM_PARAMETERS_SIZE = 90,
    ITEM_NAME_SIZE = 30
};

// Keys of the two move operations: the virtual-key codes of the arrow keys.
enum { MOVE_UP = 38, MOVE_DOWN = 40 };

// Show-window code of entries nobody has edited yet (SW_SHOW).
enum { SHOW_COMMAND_DEFAULT = 5 };

struct ProgramItem;

struct UserMenu {
    char name[MENU_NAME_SIZE];
    int32_t itemCount;          // entries in the chain of items
    UserMenu* next;             // right neighbour
    UserMenu* prev;             // left neighbour
    ProgramItem* items;         // top entry
};

struct ProgramItem {
    char path[ITEM_PATH_SIZE];
    char workingDirectory[ITEM_DIRECTORY_SIZE];
    char parameters[ITEM_PARAMETERS_SIZE];
    char name[ITEM_NAME_SIZE];
    int32_t showCommand;
    int32_t separatorBefore;    // nonzero: a separator line stands above
    ProgramItem* next;          // entry below
    ProgramItem* prev;          // entry above
};

struct CommandBinding {
    int32_t id;
    ProgramItem* item;          // not owned
    CommandBinding* next;
};

// MenuList: the menus in bar order, and the index that BindMenuEntries
// derives from them.
struct MenuList {
    UserMenu* menuListHead = nullptr;
    CommandBinding* bindingListHead = nullptr;
    CommandBinding* bindingListTail = nullptr;  // where the next binding goes: a bar binds every entry
};

// Fresh records, zero-filled, in no list; null when memory runs out.
UserMenu* CreateUserMenu();
ProgramItem* CreateProgramItem();

void AppendUserMenu(MenuList& menus, UserMenu* menu);
void AppendProgramItem(UserMenu* menu, ProgramItem* item);   // also counts it

// The entry operations do not know the owning menu: the caller keeps its
// items and itemCount right.
void UnlinkUserMenu(MenuList& menus, UserMenu* menu);
void UnlinkProgramItem(ProgramItem* item);
int MoveUserMenu(MenuList& menus, UserMenu* menu, int key);
int MoveProgramItem(ProgramItem* item, int key);

void FreeUserMenu(MenuList& menus, UserMenu* menu);
void FreeProgramItem(ProgramItem* item);
void FreeAllUserMenus(MenuList& menus);
void FreeCommandBindings(MenuList& menus);

// Adds a binding at the end of the list; 0 when memory runs out.
int AppendCommandBinding(MenuList& menus, int32_t id, ProgramItem* item);

// First match in list order; null when there is none.
UserMenu* FindUserMenu(const MenuList& menus, const char* name);
// The separator line's text names no entry.
ProgramItem* FindProgramItem(ProgramItem* first, const char* name);
