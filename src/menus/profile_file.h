// profile_file.h: the file that keeps the user menus between runs.
#pragma once
#include <cstddef>
#include <cstdint>

enum { PROFILE_FORMAT = 103, MENU_RECORD_SIZE = 48, ENTRY_RECORD_SIZE = 392 };
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

// The file's integers: 32 bits, little-endian, signed.
void PutInt32(unsigned char* at, int32_t value);
int32_t GetInt32(const unsigned char* at);

// ProfileLoad: how loading ended. A fatal load leaves the menu list empty and
// carries the message the caller shows before it stops the bar.
struct ProfileLoad {
    bool fatal;
    bool menusExceedLimits;  // some entries get no identifier: warn once
    bool tailDropped;        // bytes no record could take: the first save keeps the old file
    char message[400];
};

struct MenuList;

// ProfilePlace: where the profile lies: the program's directory and the
// file's name there, which the messages show ("" saves as "default.dr").
struct ProfilePlace {
    const char* directory;
    const char* fileName;
};

// LoadProfile: fills the menu list from the file, or with the default menus
// when the file is missing or empty. A file that exists but cannot be read is
// fatal, so the defaults are never saved over it. The file is never written.
ProfileLoad LoadProfile(MenuList& menus, const ProfilePlace& place);

// LoadProfileBytes: LoadProfile for a file of that name holding these bytes.
ProfileLoad LoadProfileBytes(MenuList& menus, const unsigned char* data, size_t size, const char* fileName);

// ProfileChanged: whether the menus differ from the file as last read or
// written (a missing or empty file always does): only then does the end of a
// run write them, so a profile written by another program meanwhile stays.
bool ProfileChanged(const MenuList& menus);

// ReloadProfile: the menus read again from the file; a fatal load keeps
// those held before. The caller rebuilds the menu bar.
ProfileLoad ReloadProfile(MenuList& menus, const ProfilePlace& place);

// The registered window message by which deskrail-profile tells a running bar
// that it wrote a profile; each bar then looks whether it was its own.
inline constexpr char PROFILE_WRITTEN_MESSAGE[] = "DeskRailProfileWritten";

// SaveProfile: writes the menu list to the file, so that a failed save
// leaves the old file whole. keepOldFile (a load's tailDropped, kept by the caller) first keeps
// the old file as "<name>.bak" and is cleared then. 0 on failure; the caller
// warns with FormatProfileWriteFailed.
int SaveProfile(const MenuList& menus, const ProfilePlace& place, bool& keepOldFile);
void FormatProfileWriteFailed(char* text, size_t size, const ProfilePlace& place);
// ProfileFileChanged: whether the file no longer holds the bytes last read or
// written (another program wrote it).
bool ProfileFileChanged(const ProfilePlace& place);

// EncodeProfile: the bytes SaveProfile writes, in a block of their own
// (delete[] it); null when memory ran out.
unsigned char* EncodeProfile(const MenuList& menus, size_t& size);
