// menu_numbering.h: the command identifiers of the menu entries and the index
// from an identifier back to its entry.
#pragma once
#include <cstdint>

struct ProgramItem;
struct MenuList;

// The identifiers stay below the popup's (40001 on) and within the 16 bits of
// a menu command, and no entry takes the next menu's first identifier: so a
// menu holds at most 99 bound entries and the bar at most 399 bound menus.
enum { MENU_ENTRY_LIMIT = 99, MENU_LIMIT = 399 };

// EntryHasCommand: the entry at that place gets an identifier; the others are
// shown greyed and start nothing.
bool EntryHasCommand(int32_t menuPosition, int32_t entryPosition);

// MenusExceedLimits: some menu or entry of the menu list gets no identifier.
bool MenusExceedLimits(const MenuList& menus);

// EntryCommandId: 100 x the menu's position in the bar plus the entry's
// position in its menu, both counted from 1; separators take no position.
int32_t EntryCommandId(int32_t menuPosition, int32_t entryPosition);

// BindMenuEntries: replaces the binding list with one binding per entry of
// the menu list that has an identifier, in bar order. 0 when memory ran out; the entries bound so far
// stay bound.
int BindMenuEntries(MenuList& menus);

// FindProgramForCommand: the entry of the first binding (in bar order) with
// this identifier; null when none has it.
ProgramItem* FindProgramForCommand(const MenuList& menus, int32_t id);
