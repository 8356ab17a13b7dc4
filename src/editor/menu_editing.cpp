#include "editor/menu_editing.h"

#include <cstring>

#include "base/text.h"
#include "base/texts.h"
#include "menus/menu_model.h"

namespace {

// Case mapping of the ASCII letters only, whatever the code page.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

int EntryCount(const UserMenu* menu)
{
    int count = 0;
    for (const ProgramItem* item = menu->items; item; item = item->next) ++count;
    return count;
}

}  // namespace

int MenuHasRoom(const UserMenu* menu)
{
    // The chain, not itemCount: a damaged count must not open the gate.
    return EntryCount(menu) < MENU_ENTRY_LIMIT && menu->itemCount < MENU_ENTRY_LIMIT;
}

int BarHasRoom(const MenuList& menus)
{
    int count = 0;
    for (const UserMenu* menu = menus.menuListHead; menu; menu = menu->next) ++count;
    return count < MENU_LIMIT;
}

int ListingLineCount(const UserMenu* menu)
{
    int lines = 0;
    for (const ProgramItem* item = menu->items; item; item = item->next) lines += item->separatorBefore ? 2 : 1;
    return lines;
}

int LineAfterMove(int line, int lineCount, int key)
{
    if (key == MOVE_UP) return line - 1 < 1 ? 0 : line - 1;
    return line + 1 > lineCount - 1 ? lineCount - 1 : line + 1;
}

int MoveMenuEntry(UserMenu* menu, ProgramItem* entry, int line, int key)
{
    // The entry's new line lies beyond the neighbour's separator line too.
    if (key == MOVE_UP && entry->prev && entry->prev->separatorBefore) --line;
    if (key == MOVE_DOWN && entry->next && entry->next->separatorBefore) ++line;
    // The entry operations do not know the menu, so its first entry is set here.
    if (key == MOVE_DOWN && menu->items == entry && entry->next) menu->items = entry->next;
    if (key == MOVE_UP && menu->items && menu->items->next == entry) menu->items = entry;
    MoveProgramItem(entry, key);
    return line;
}

LineDeletion DeleteMenuEntry(UserMenu* menu, ProgramItem* entry, int line, int separatorLine)
{
    if (separatorLine) {
        entry->separatorBefore = 0;
        return {line, 1, line - 1};
    }
    int withSeparator = entry->separatorBefore != 0;
    if (menu->items == entry) menu->items = entry->next;
    FreeProgramItem(entry);
    menu->itemCount--;
    if (withSeparator) return {line - 1, 2, line - 2};
    return {line, 1, line};
}

void DeriveWorkingDirectory(const char* path, char* directory, size_t size)
{
    const char* rest = path[0] && path[1] == ':' ? path + 2 : path;
    const char* lastSeparator = nullptr;
    for (const char* c = rest; *c; ++c)
        if (*c == '\\' || *c == '/') lastSeparator = c;
    // The drive stays; the folder's trailing separator goes, except the root's:
    // "C:" alone would mean the drive's current folder. "C:EDIT.EXE" keeps "C:".
    size_t length = static_cast<size_t>(rest - path);
    if (lastSeparator) length = static_cast<size_t>(lastSeparator - path) + (lastSeparator == rest ? 1 : 0);
    if (size == 0) return;
    if (length >= size) length = size - 1;
    std::memcpy(directory, path, length);
    directory[length] = '\0';
}

void NameDroppedFile(char* path, char* name, size_t nameSize)
{
    char* file = path;
    for (char* c = path; *c; ++c)
        if (*c == '\\') file = c + 1;
    char* end = nullptr;
    for (char* c = file; *c; ++c)
        if (*c == '.') end = c;
    if (end)
        for (char* c = file; c < end; ++c) *c = AsciiLower(*c);
    else
        end = file + std::strlen(file);
    std::memset(name, 0, nameSize);
    if (nameSize == 0) return;
    if (end == file) {
        CopyTextN(name, nameSize, DEFAULT_ENTRY_NAME);
    } else {
        size_t length = static_cast<size_t>(end - file);
        if (length >= nameSize) length = nameSize - 1;
        std::memcpy(name, file, length);
    }
    name[0] = AsciiUpper(name[0]);
}

int DropTargetLine(int y, int lineHeight, int topIndex)
{
    if (lineHeight <= 0) return -1;
    int line = y / lineHeight + topIndex;
    return line < 0 ? -1 : line;
}

UserMenu* MenuAtLine(const MenuList& menus, int line)
{
    if (line < 0) return nullptr;
    UserMenu* menu = menus.menuListHead;
    while (menu && line-- > 0) menu = menu->next;
    return menu;
}

DropResult AddDroppedFile(UserMenu* menu, const char* path)
{
    if (!path[0]) return DROP_SKIPPED;
    if (!MenuHasRoom(menu)) return DROP_MENU_FULL;
    if (std::strlen(path) >= ITEM_PATH_SIZE) return DROP_PATH_TOO_LONG;
    ProgramItem* item = CreateProgramItem();
    if (!item) return DROP_NO_MEMORY;
    CopyText(item->path, path);
    NameDroppedFile(item->path, item->name, sizeof item->name);
    DeriveWorkingDirectory(item->path, item->workingDirectory, sizeof item->workingDirectory);
    AppendProgramItem(menu, item);
    return DROP_ADDED;
}
