// profile_file.h: the file that keeps the user menus between runs.
#pragma once
#include <cstddef>
#include <vector>

enum { PROFILE_FORMAT = 103, MENU_RECORD_SIZE = 48, ENTRY_RECORD_SIZE = 392 };

// Fills the menu list from profileFileName in programDirectory, or with the
// default menus when the file is missing or empty. A broken file ends in
// FatalError with the menu list empty and the file untouched. Always 1.
int LoadProfile();

// Writes the menu list to profileFileName ("default.dr" when empty) in
// programDirectory through a temporary file beside it, so a failed save
// leaves the old file whole. Warns and gives 0 on failure.
int SaveProfile();

// LoadProfile for a file holding these bytes (size 0: the default menus).
int LoadProfileBytes(const unsigned char* data, size_t size);

// The bytes SaveProfile writes for the current menu list.
std::vector<unsigned char> ProfileBytes();
