// menu_editing.h: what the menu editor decides without a window: where the
// selection goes after a move or a delete, how dropped files become entries,
// and the working directory an entry takes from its path.
#pragma once
#include <cstddef>

struct UserMenu;
struct ProgramItem;
struct MenuList;

#include "menus/menu_numbering.h"

// MenuHasRoom: 1 while the menu holds fewer entries than the limit.
int MenuHasRoom(const UserMenu* menu);

// BarHasRoom: 1 while the menu list holds fewer menus than the limit.
int BarHasRoom(const MenuList& menus);

// ListingLineCount: lines of the menu in the programs list, one per entry and
// one per separator.
int ListingLineCount(const UserMenu* menu);

// LineAfterMove: the line to select after a move from line (as adjusted by
// MoveMenuEntry for entries) in a list of lineCount lines: one up or down,
// held inside the list.
int LineAfterMove(int line, int lineCount, int key);

// MoveMenuEntry: moves the entry one place up or down in its menu and keeps
// the menu's items right. line is the entry's line in the programs list; the
// result is that line stepped over a neighbour's separator line, ready for
// LineAfterMove on the new listing.
int MoveMenuEntry(UserMenu* menu, ProgramItem* entry, int line, int key);

// LineDeletion: count lines to delete at first (the second one moves up into
// first), then the line to select (-1: none).
struct LineDeletion {
    int first;
    int count;
    int selection;
};

// DeleteMenuEntry: for the selected line: when it is the separator line above
// the entry, the separator goes and the entry stays; otherwise the entry is
// freed with its separator line and the menu's items and itemCount are kept
// right.
LineDeletion DeleteMenuEntry(UserMenu* menu, ProgramItem* entry, int line, int separatorLine);

// DeriveWorkingDirectory: drive and directory of the path without the
// directory's trailing separator ("C:\TOOLS\EDIT.EXE" gives "C:\TOOLS",
// "C:\GAME.EXE" gives "C:\", "C:GAME.EXE" gives "C:"); empty for a bare file
// name.
void DeriveWorkingDirectory(const char* path, char* directory, size_t size);

// NameDroppedFile: the entry name of a dropped file: the file name before its
// last dot, lower-cased (in path as well), or the whole file name when it has
// no dot; first letter upper-cased; "Standardname" when nothing is left; cut
// to the name field.
void NameDroppedFile(char* path, char* name, size_t nameSize);

// DropTargetLine: the list line under a drop point, -1 when there is none.
int DropTargetLine(int y, int lineHeight, int topIndex);

// MenuAtLine: the menu shown on that line of the menus list, or null.
UserMenu* MenuAtLine(const MenuList& menus, int line);

enum DropResult { DROP_ADDED, DROP_SKIPPED, DROP_MENU_FULL, DROP_PATH_TOO_LONG, DROP_NO_MEMORY };

// AddDroppedFile: appends an entry for the file, named after it and working
// in its folder. An empty path is skipped; a full menu, a path too long for
// its field and a lack of memory add nothing. Files are taken last first, and
// a full menu is reported once after all of them.
DropResult AddDroppedFile(UserMenu* menu, const char* path);
