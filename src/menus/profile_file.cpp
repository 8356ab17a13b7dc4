#include "menus/profile_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "menus/menu_model.h"
#include "shell/bar_state.h"
#include "shell/messages.h"
#include "shell/platform.h"
#include "shell/text.h"

namespace {

const char OLD_FORMAT_TEXT[] =
    "Profildatei im alten Datenformat gefunden.\nBitte löschen Sie sie und\n erstellen Sie eine neue.";
const char CUT_ENTRY_TEXT[] =
    "Fehler beim Lesen des Menüs: %d Programm: %d\naus Profildatei: %s.\n"
    "Bitte löschen Sie die Datei und\nstarten Sie Deskrail erneut.";
const char NO_MEMORY_TEXT[] = "Nicht genügend Speicher zum Laden der Profildatei.";
const char WRITE_FAILED_TEXT[] =
    "Profildatei %s konnte nicht geschrieben werden.\nBitte überprüfen Sie die Datei.";

// Menu record offsets.
enum { MENU_NAME_AT = 0, MENU_COUNT_AT = 32 };
// Entry record offsets.
enum {
    ENTRY_PATH_AT = 0,
    ENTRY_DIRECTORY_AT = 128,
    ENTRY_PARAMETERS_AT = 256,
    ENTRY_NAME_AT = 346,
    ENTRY_SHOW_AT = 376,
    ENTRY_SEPARATOR_AT = 380
};

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

// Hands out records straight from a block read from the file, or from
// memory: one copy less than reading record by record, and far fewer calls.
class ProfileSource {
public:
    explicit ProfileSource(std::FILE* file) : file_(file), data_(block_) {}
    ProfileSource(const unsigned char* data, size_t size) : data_(data), end_(size) {}
    ProfileSource(const ProfileSource&) = delete;
    ProfileSource& operator=(const ProfileSource&) = delete;

    // The next count bytes (at most a block), or null when fewer are left.
    const unsigned char* Next(size_t count)
    {
        if (end_ - position_ < count && file_) Refill();
        if (end_ - position_ < count) return nullptr;
        const unsigned char* at = data_ + position_;
        position_ += count;
        return at;
    }

    size_t Left() const { return end_ - position_; }

private:
    void Refill()
    {
        size_t left = end_ - position_;
        std::memmove(block_, block_ + position_, left);
        end_ = left + std::fread(block_ + left, 1, sizeof block_ - left, file_);
        position_ = 0;
    }

    std::FILE* file_ = nullptr;
    const unsigned char* data_;
    size_t position_ = 0;
    size_t end_ = 0;
    unsigned char block_[32 * 1024];
};

struct OwnedFile {
    std::FILE* file;

    explicit OwnedFile(std::FILE* opened) : file(opened) {}
    OwnedFile(const OwnedFile&) = delete;
    OwnedFile& operator=(const OwnedFile&) = delete;
    ~OwnedFile() { Close(); }

    // 1 when every buffered byte reached the file.
    int Close()
    {
        int closed = !file || std::fclose(file) == 0;
        file = nullptr;
        return closed;
    }
};

enum LoadEnd { LOAD_DONE, LOAD_EMPTY, LOAD_OLD_FORMAT, LOAD_CUT_ENTRY, LOAD_NO_MEMORY };

struct LoadOutcome {
    LoadEnd end;
    int menuNumber;
    int entryNumber;
};

LoadOutcome ReadMenus(ProfileSource& source)
{
    const unsigned char* record = source.Next(4);
    if (!record) return {source.Left() == 0 ? LOAD_EMPTY : LOAD_OLD_FORMAT, 0, 0};
    if (GetInt32(record) != PROFILE_FORMAT) return {LOAD_OLD_FORMAT, 0, 0};

    UserMenu* lastMenu = menuListHead;
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
        else menuListHead = menu;
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
    return {LOAD_DONE, 0, 0};
}

UserMenu* AddDefaultMenu(const char* name)
{
    UserMenu* menu = CreateUserMenu();
    if (!menu) return nullptr;
    CopyText(menu->name, name);
    AppendUserMenu(menu);
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

bool BuildDefaultMenus()
{
    char windowsDirectory[80];
    GetWindowsDirectoryText(windowsDirectory, sizeof windowsDirectory);
    char minesweeper[ITEM_PATH_SIZE];
    char solitaire[ITEM_PATH_SIZE];
    FormatTextN(minesweeper, sizeof minesweeper, "%s\\winmine.exe", windowsDirectory);
    FormatTextN(solitaire, sizeof solitaire, "%s\\sol.exe", windowsDirectory);

    UserMenu* apps = AddDefaultMenu("&Apps");
    if (!apps || !AddDefaultEntry(apps, "Visual &C++ v4.0", "c:\\vc40\\bin\\msdev.exe") ||
        !AddDefaultEntry(apps, "&Word v7.0", "c:\\winword\\winword.exe"))
        return false;
    UserMenu* games = AddDefaultMenu("&Games");
    return games && AddDefaultEntry(games, "&Minesweeper", minesweeper) &&
           AddDefaultEntry(games, "&Solitaire", solitaire);
}

// Runs once the file is closed: FatalError may end the program.
int FinishLoad(const LoadOutcome& outcome)
{
    char text[400] = "";
    switch (outcome.end) {
    case LOAD_DONE:
        return 1;
    case LOAD_EMPTY:
        if (BuildDefaultMenus()) return 1;
        CopyText(text, NO_MEMORY_TEXT);
        break;
    case LOAD_OLD_FORMAT:
        CopyText(text, OLD_FORMAT_TEXT);
        break;
    case LOAD_CUT_ENTRY:
        FormatTextN(text, sizeof text, CUT_ENTRY_TEXT, outcome.menuNumber, outcome.entryNumber,
                    profileFileName);
        break;
    case LOAD_NO_MEMORY:
        CopyText(text, NO_MEMORY_TEXT);
        break;
    }
    // Half a model must not reach the bar, nor be saved over the file.
    FreeAllUserMenus();
    FatalError(text);
    return 1;
}

template <class Put>
bool WriteRecords(Put put)
{
    unsigned char record[ENTRY_RECORD_SIZE];
    PutInt32(record, PROFILE_FORMAT);
    if (!put(record, 4)) return false;
    for (const UserMenu* menu = menuListHead; menu; menu = menu->next) {
        EncodeMenuRecord(menu, record);
        if (!put(record, MENU_RECORD_SIZE)) return false;
        for (const ProgramItem* item = menu->items; item; item = item->next) {
            EncodeEntryRecord(item, record);
            if (!put(record, ENTRY_RECORD_SIZE)) return false;
        }
    }
    return true;
}

}  // namespace

int LoadProfile()
{
    SetCurrentDirectoryText(programDirectory);
    OwnedFile file(std::fopen(profileFileName, "rb"));
    if (!file.file) return FinishLoad({LOAD_EMPTY, 0, 0});
    ProfileSource source(file.file);
    LoadOutcome outcome = ReadMenus(source);
    file.Close();
    return FinishLoad(outcome);
}

int LoadProfileBytes(const unsigned char* data, size_t size)
{
    ProfileSource source(data, size);
    return FinishLoad(ReadMenus(source));
}

std::vector<unsigned char> ProfileBytes()
{
    std::vector<unsigned char> bytes;
    WriteRecords([&bytes](const unsigned char* record, size_t size) {
        bytes.insert(bytes.end(), record, record + size);
        return true;
    });
    return bytes;
}

int SaveProfile()
{
    SetCurrentDirectoryText(programDirectory);
    const char* name = profileFileName[0] ? profileFileName : "default.dr";
    char tempName[PROFILE_FILE_NAME_SIZE + 8];
    FormatTextN(tempName, sizeof tempName, "%s.tmp", name);

    OwnedFile file(std::fopen(tempName, "wb"));
    if (file.file) {
        // Large enough that a profile of many menus costs few system calls.
        std::setvbuf(file.file, nullptr, _IOFBF, 64 * 1024);
        bool written = WriteRecords([&file](const unsigned char* record, size_t size) {
            return std::fwrite(record, 1, size, file.file) == size;
        });
        written = file.Close() && written;
        if (written && ReplaceFileText(tempName, name)) return 1;
        std::remove(tempName);
    }
    char text[PROFILE_FILE_NAME_SIZE + 100];
    FormatTextN(text, sizeof text, WRITE_FAILED_TEXT, name);
    ShowWarning(text);
    return 0;
}
