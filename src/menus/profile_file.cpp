#include "menus/profile_file.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "base/name_sizes.h"
#include "base/platform.h"
#include "base/system_info.h"
#include "base/text.h"
#include "base/texts.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"

namespace {
// The file's bytes as last read or written; null when there was none.
unsigned char* asRead;
size_t asReadSize;

void KeepAsRead(unsigned char* bytes, size_t size)
{
    delete[] asRead;
    asRead = bytes;
    asReadSize = bytes ? size : 0;
}
}  // namespace

void PutInt32(unsigned char* at, int32_t value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    at[0] = static_cast<unsigned char>(bits);
    at[1] = static_cast<unsigned char>(bits >> 8);
    at[2] = static_cast<unsigned char>(bits >> 16);
    at[3] = static_cast<unsigned char>(bits >> 24);
}

int32_t GetInt32(const unsigned char* at)
{
    uint32_t bits = at[0] | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
                    static_cast<uint32_t>(at[3]) << 24;
    return static_cast<int32_t>(bits);
}

namespace {

// The program's folder, the file's name and ".bak".
enum { PROFILE_PATH_SIZE = PROGRAM_DIRECTORY_SIZE + PROFILE_FILE_NAME_SIZE + 8 };

// Only the text up to the first NUL counts; a field that fills its whole
// width loses its last byte so that it stays terminated in memory. The
// field is that of a fresh record, zero already.
template <size_t N>
void GetText(char (&field)[N], const unsigned char* at)
{
    size_t length = TextLengthN(reinterpret_cast<const char*>(at), N);
    if (length == N) length = N - 1;
    std::memcpy(field, at, length);
}

// Texts go out at full width, as they are in memory.
template <size_t N>
void PutText(unsigned char* at, const char (&field)[N])
{
    std::memcpy(at, field, N);
}

void EncodeMenuRecord(const UserMenu* menu, unsigned char* record)
{
    std::memset(record, 0, MENU_RECORD_SIZE);
    PutText(record + MENU_NAME_AT, menu->name);
    PutInt32(record + MENU_COUNT_AT, menu->itemCount);
}

void EncodeEntryRecord(const ProgramItem* item, unsigned char* record)
{
    PutText(record + ENTRY_PATH_AT, item->path);
    PutText(record + ENTRY_DIRECTORY_AT, item->workingDirectory);
    PutText(record + ENTRY_PARAMETERS_AT, item->parameters);
    PutText(record + ENTRY_NAME_AT, item->name);
    PutInt32(record + ENTRY_SHOW_AT, item->showCommand);
    PutInt32(record + ENTRY_SEPARATOR_AT, item->separatorBefore);
    std::memset(record + ENTRY_SEPARATOR_AT + 4, 0, 8);
}

void DecodeMenuRecord(const unsigned char* record, UserMenu* menu)
{
    GetText(menu->name, record + MENU_NAME_AT);
    menu->itemCount = GetInt32(record + MENU_COUNT_AT);
    // No entry records follow a negative count; the menu stays empty.
    if (menu->itemCount < 0) menu->itemCount = 0;
}

void DecodeEntryRecord(const unsigned char* record, ProgramItem* item)
{
    GetText(item->path, record + ENTRY_PATH_AT);
    GetText(item->workingDirectory, record + ENTRY_DIRECTORY_AT);
    GetText(item->parameters, record + ENTRY_PARAMETERS_AT);
    GetText(item->name, record + ENTRY_NAME_AT);
    item->showCommand = GetInt32(record + ENTRY_SHOW_AT);
    item->separatorBefore = GetInt32(record + ENTRY_SEPARATOR_AT);
}

// ProfileSource: hands out records from the file's bytes in memory.
class ProfileSource {
public:
    ProfileSource(const unsigned char* data, size_t size) : data_(data), end_(size) {}

    // The next count bytes, or null when fewer are left.
    const unsigned char* Next(size_t count)
    {
        if (end_ - position_ < count) return nullptr;
        const unsigned char* at = data_ + position_;
        position_ += count;
        return at;
    }

    size_t Left() const { return end_ - position_; }

private:
    const unsigned char* data_;
    size_t position_ = 0;
    size_t end_;
};

enum LoadEnd { LOAD_DONE, LOAD_EMPTY, LOAD_OLD_FORMAT, LOAD_CUT_ENTRY, LOAD_NO_MEMORY, LOAD_UNREADABLE };

struct LoadOutcome {
    LoadEnd end;
    int menuNumber;
    int entryNumber;
    bool tailDropped = false;
};

LoadOutcome ReadMenus(MenuList& menus, ProfileSource& source)
{
    const unsigned char* record = source.Next(4);
    if (!record) return {source.Left() == 0 ? LOAD_EMPTY : LOAD_OLD_FORMAT, 0, 0};
    if (GetInt32(record) != PROFILE_FORMAT) return {LOAD_OLD_FORMAT, 0, 0};

    UserMenu* lastMenu = menus.menuListHead;
    while (lastMenu && lastMenu->next) lastMenu = lastMenu->next;
    int menuNumber = 0;
    // The menu blocks run to the end of the file; a cut menu record ends them.
    while ((record = source.Next(MENU_RECORD_SIZE)) != nullptr) {
        UserMenu* menu = CreateUserMenu();
        if (!menu) return {LOAD_NO_MEMORY, 0, 0};
        DecodeMenuRecord(record, menu);
        ++menuNumber;
        menu->prev = lastMenu;
        if (lastMenu) lastMenu->next = menu;
        else menus.menuListHead = menu;
        lastMenu = menu;

        ProgramItem* lastItem = nullptr;
        for (int32_t k = 0; k < menu->itemCount; ++k) {
            record = source.Next(ENTRY_RECORD_SIZE);
            if (!record) return {LOAD_CUT_ENTRY, menuNumber, static_cast<int>(k) + 1};
            ProgramItem* item = CreateProgramItem();
            if (!item) return {LOAD_NO_MEMORY, 0, 0};
            DecodeEntryRecord(record, item);
            item->prev = lastItem;
            if (lastItem) lastItem->next = item;
            else menu->items = item;
            lastItem = item;
        }
    }
    // Bytes too few for a menu record end the file without a message; the
    // first save keeps the old file, so they are not lost with it.
    return {LOAD_DONE, 0, 0, source.Left() > 0};
}

UserMenu* AddDefaultMenu(MenuList& menus, const char* name)
{
    UserMenu* menu = CreateUserMenu();
    if (!menu) return nullptr;
    CopyText(menu->name, name);
    AppendUserMenu(menus, menu);
    return menu;
}

bool AddDefaultEntry(UserMenu* menu, const char* name, const char* path)
{
    ProgramItem* item = CreateProgramItem();
    if (!item) return false;
    CopyText(item->name, name);
    CopyText(item->path, path);
    AppendProgramItem(menu, item);
    return true;
}

bool BuildDefaultMenus(MenuList& menus)
{
    char windowsDirectory[80];
    GetWindowsDirectoryText(windowsDirectory, sizeof windowsDirectory);
    char minesweeper[ITEM_PATH_SIZE];
    char solitaire[ITEM_PATH_SIZE];
    FormatTextN(minesweeper, sizeof minesweeper, "%s\\winmine.exe", windowsDirectory);
    FormatTextN(solitaire, sizeof solitaire, "%s\\sol.exe", windowsDirectory);

    UserMenu* apps = AddDefaultMenu(menus, DEFAULT_APPS_MENU);
    if (!apps || !AddDefaultEntry(apps, DEFAULT_COMPILER_ENTRY, "c:\\vc40\\bin\\msdev.exe") ||
        !AddDefaultEntry(apps, DEFAULT_WORD_ENTRY, "c:\\winword\\winword.exe"))
        return false;
    UserMenu* games = AddDefaultMenu(menus, DEFAULT_GAMES_MENU);
    return games && AddDefaultEntry(games, DEFAULT_MINESWEEPER_ENTRY, minesweeper) &&
           AddDefaultEntry(games, DEFAULT_SOLITAIRE_ENTRY, solitaire);
}

ProfileLoad FinishLoad(MenuList& menus, const LoadOutcome& outcome, const char* fileName)
{
    ProfileLoad load = {false, false, false, ""};
    switch (outcome.end) {
    case LOAD_DONE:
        load.menusExceedLimits = MenusExceedLimits(menus);
        load.tailDropped = outcome.tailDropped;
        return load;
    case LOAD_UNREADABLE:
        FormatTextN(load.message, sizeof load.message, PROFILE_UNREADABLE_FORMAT, fileName);
        break;
    case LOAD_EMPTY:
        if (BuildDefaultMenus(menus)) return load;
        CopyText(load.message, PROFILE_NO_MEMORY_TEXT);
        break;
    case LOAD_OLD_FORMAT:
        CopyText(load.message, PROFILE_OLD_FORMAT_TEXT);
        break;
    case LOAD_CUT_ENTRY:
        FormatTextN(load.message, sizeof load.message, PROFILE_CUT_ENTRY_FORMAT, outcome.menuNumber,
                    outcome.entryNumber, fileName);
        break;
    case LOAD_NO_MEMORY:
        CopyText(load.message, PROFILE_NO_MEMORY_TEXT);
        break;
    }
    // Half a model must not reach the bar, nor be saved over the file.
    FreeAllUserMenus(menus);
    load.fatal = true;
    return load;
}

template <class Put>
void WriteRecords(const MenuList& menus, Put put)
{
    unsigned char record[ENTRY_RECORD_SIZE];
    PutInt32(record, PROFILE_FORMAT);
    put(record, 4);
    for (const UserMenu* menu = menus.menuListHead; menu; menu = menu->next) {
        EncodeMenuRecord(menu, record);
        put(record, MENU_RECORD_SIZE);
        for (const ProgramItem* item = menu->items; item; item = item->next) {
            EncodeEntryRecord(item, record);
            put(record, ENTRY_RECORD_SIZE);
        }
    }
}

const char* SavedFileName(const ProfilePlace& place) { return place.fileName[0] ? place.fileName : "default.dr"; }

// KeepCopy: the file's bytes, whole, under another name.
bool KeepCopy(const char* name, const char* copy)
{
    unsigned char* data = nullptr;
    size_t size = 0;
    bool kept = ReadWholeFile(name, data, size) == FILE_READ && ReplaceFileWith(copy, data, size);
    delete[] data;
    return kept;
}

}  // namespace

ProfileLoad LoadProfile(MenuList& menus, const ProfilePlace& place)
{
    unsigned char* data = nullptr;
    size_t size = 0;
    char path[PROFILE_PATH_SIZE];
    const char* name = place.fileName;
    if (!ProgramFilePath(path, sizeof path, place.directory, name)) return FinishLoad(menus, {LOAD_UNREADABLE, 0, 0}, name);
    switch (ReadWholeFile(path, data, size)) {
    case FILE_MISSING:
        // A replace cut short on Windows 95 leaves the old file under another name.
        if (!RestoreSetAside(path) || ReadWholeFile(path, data, size) != FILE_READ) return FinishLoad(menus, {LOAD_EMPTY, 0, 0}, name);
        break;
    case FILE_UNREADABLE:
        // Held by another program, say: the defaults would be saved over it.
        return FinishLoad(menus, {LOAD_UNREADABLE, 0, 0}, name);
    case FILE_TOO_BIG:
        return FinishLoad(menus, {LOAD_NO_MEMORY, 0, 0}, name);
    case FILE_READ:
        break;
    }
    ProfileLoad load = LoadProfileBytes(menus, data, size, name);
    if (load.fatal) delete[] data;
    else KeepAsRead(data, size);
    return load;
}

bool ProfileChanged(const MenuList& menus)
{
    size_t size = 0;
    unsigned char* bytes = EncodeProfile(menus, size);
    bool same = bytes && size == asReadSize && std::memcmp(bytes, asRead, size) == 0;
    delete[] bytes;
    return !same;
}

ProfileLoad ReloadProfile(MenuList& menus, const ProfilePlace& place)
{
    unsigned char* heldBytes = asRead;
    size_t heldSize = asReadSize;
    asRead = nullptr;
    MenuList loaded = {};
    ProfileLoad load = LoadProfile(loaded, place);
    if (load.fatal) {
        // The menus shown stay, and so does what they are compared with.
        KeepAsRead(heldBytes, heldSize);
        return load;
    }
    delete[] heldBytes;
    FreeAllUserMenus(menus);
    menus.menuListHead = loaded.menuListHead;
    return load;
}

ProfileLoad LoadProfileBytes(MenuList& menus, const unsigned char* data, size_t size, const char* fileName)
{
    ProfileSource source(data, size);
    return FinishLoad(menus, ReadMenus(menus, source), fileName);
}

unsigned char* EncodeProfile(const MenuList& menus, size_t& size)
{
    size = 0;
    WriteRecords(menus, [&size](const unsigned char*, size_t count) { size += count; });
    unsigned char* bytes = new (std::nothrow) unsigned char[size];
    if (!bytes) return nullptr;
    size_t at = 0;
    WriteRecords(menus, [bytes, &at](const unsigned char* record, size_t count) {
        std::memcpy(bytes + at, record, count);
        at += count;
    });
    return bytes;
}

int SaveProfile(const MenuList& menus, const ProfilePlace& place, bool& keepOldFile)
{
    char path[PROFILE_PATH_SIZE];
    if (!ProgramFilePath(path, sizeof path, place.directory, SavedFileName(place))) return 0;
    if (keepOldFile) {
        char backup[PROFILE_PATH_SIZE];
        if (!FormatTextN(backup, sizeof backup, "%s.bak", path) || !KeepCopy(path, backup)) return 0;
        keepOldFile = false;
    }
    size_t size = 0;
    unsigned char* bytes = EncodeProfile(menus, size);
    int saved = bytes && ReplaceFileWith(path, bytes, size);
    if (saved) KeepAsRead(bytes, size);
    else delete[] bytes;
    return saved;
}

bool ProfileFileChanged(const ProfilePlace& place)
{
    char path[PROFILE_PATH_SIZE];
    unsigned char* data = nullptr;
    size_t size = 0;
    FileRead read = ProgramFilePath(path, sizeof path, place.directory, place.fileName) ? ReadWholeFile(path, data, size)
                                                                                  : FILE_UNREADABLE;
    bool same = (read == FILE_MISSING && !asRead) ||
                (read == FILE_READ && size == asReadSize && (!size || std::memcmp(data, asRead, size) == 0));
    delete[] data;
    return !same;
}

void FormatProfileWriteFailed(char* text, size_t size, const ProfilePlace& place)
{
    FormatTextN(text, size, PROFILE_WRITE_FAILED_FORMAT, SavedFileName(place));
}
