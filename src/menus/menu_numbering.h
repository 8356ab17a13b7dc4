// menu_numbering.h: the command identifiers of the menu entries and the index
// from an identifier back to its entry.
#pragma once
#include <cstdint>

struct ProgramItem;

// EntryCommandId: 100 x the menu's position in the bar plus the entry's
// position in its menu, both counted from 1; separators take no position.
int32_t EntryCommandId(int32_t menuPosition, int32_t entryPosition);

// BindMenuEntries: replaces the binding list with one binding per entry of
// the menu list, in bar order. 0 when memory ran out; the entries bound so far
// stay bound.
int BindMenuEntries();

// FindProgramForCommand: the entry of the first binding (in bar order) with
// this identifier; null when none has it.
ProgramItem* FindProgramForCommand(int32_t id);
