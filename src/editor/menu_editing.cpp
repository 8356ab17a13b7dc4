#include "editor/menu_editing.h"

#include "menus/menu_model.h"
#include "shell/messages.h"

const char MENU_FULL_TEXT[] = "Ein Menü kann höchstens 99 Einträge aufnehmen.";
const char PATH_TOO_LONG_FORMAT[] = "Der Pfad ist zu lang, die Datei wird nicht aufgenommen:\n%s";
const char OUT_OF_MEMORY_TEXT[] = "Nicht genügend Arbeitsspeicher für einen neuen Eintrag.";
const char DEFAULT_ENTRY_NAME[] = "Standardname";

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
    std::string drive, folder;
    const char* rest = path;
    if (path[0] && path[1] == ':') {
        drive.assign(path, 2);
        rest = path + 2;
    }
    const char* lastSeparator = nullptr;
    for (const char* c = rest; *c; ++c)
        if (*c == '\\' || *c == '/') lastSeparator = c;
    if (lastSeparator) folder.assign(rest, lastSeparator + 1);
    // Only the folder's trailing separator goes: "C:EDIT.EXE" keeps its "C:".
    if (!folder.empty()) folder.pop_back();
    FormatTextN(directory, size, "%s%s", drive.c_str(), folder.c_str());
}

void NameDroppedFile(char* path, char* name, size_t nameSize)
{
    char* file = path;
    for (char* c = path; *c; ++c)
        if (*c == '\\') file = c + 1;
    char* dot = nullptr;
    for (char* c = file; *c; ++c)
        if (*c == '.') dot = c;
    std::string base;
    if (dot) {
        for (char* c = file; c < dot; ++c) *c = AsciiLower(*c);
        base.assign(file, dot);
    } else {
        base = file;
    }
    if (base.empty()) base = DEFAULT_ENTRY_NAME;
    base[0] = AsciiUpper(base[0]);
    std::memset(name, 0, nameSize);
    CopyTextN(name, nameSize, base.c_str());
}

int DropTargetLine(int y, int lineHeight, int topIndex)
{
    if (lineHeight <= 0) return -1;
    int line = y / lineHeight + topIndex;
    return line < 0 ? -1 : line;
}

UserMenu* MenuAtLine(int line)
{
    if (line < 0) return nullptr;
    UserMenu* menu = menuListHead;
    while (menu && line-- > 0) menu = menu->next;
    return menu;
}

int AddDroppedFiles(UserMenu* menu, const std::vector<std::string>& files)
{
    int added = 0;
    int full = 0;
    for (size_t k = files.size(); k-- > 0;) {
        const std::string& file = files[k];
        if (file.empty()) continue;
        if (!MenuHasRoom(menu)) {
            full = 1;
            continue;
        }
        if (file.size() >= ITEM_PATH_SIZE) {
            std::vector<char> text(sizeof PATH_TOO_LONG_FORMAT + file.size());
            FormatTextN(text.data(), text.size(), PATH_TOO_LONG_FORMAT, file.c_str());
            ShowWarning(text.data());
            continue;
        }
        ProgramItem* item = CreateProgramItem();
        if (!item) {
            ShowWarning(OUT_OF_MEMORY_TEXT);
            break;
        }
        CopyText(item->path, file.c_str());
        NameDroppedFile(item->path, item->name, sizeof item->name);
        DeriveWorkingDirectory(item->path, item->workingDirectory, sizeof item->workingDirectory);
        AppendProgramItem(menu, item);
        ++added;
    }
    if (full) ShowWarning(MENU_FULL_TEXT);
    return added;
}
