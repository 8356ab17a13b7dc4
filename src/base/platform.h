// platform.h: the few operating-system services that portable code needs.
// Defined in platform_win.cpp; natively in platform_native.cpp for the
// profile tool, and by stand-ins in the unit tests.
#pragma once
#include <cstddef>

// The character between a folder and a name in the system's paths.
extern const char PATH_SEPARATOR;

// GetWindowsDirectoryText: the Windows directory without trailing backslash,
// cut to fit; "" when unknown.
void GetWindowsDirectoryText(char* buffer, size_t size);

enum FileRead { FILE_READ, FILE_MISSING, FILE_UNREADABLE, FILE_TOO_BIG };

// ReadWholeFile: the file's bytes in a block of their own (delete[] it; null
// for an empty file). FILE_MISSING when the file or its folder does not exist,
// FILE_TOO_BIG when memory cannot hold it.
FileRead ReadWholeFile(const char* path, unsigned char*& data, size_t& size);

// RestoreSetAside: when path is missing and the copy a stepwise replace set
// aside ("<path>.$$$") is there, moves that copy back. 1 when it did.
int RestoreSetAside(const char* path);

// ReplaceFileWith: writes the bytes to a temporary file beside path and moves
// it over path only when every write, the flush to the disk and the close
// succeeded. 1 on success;
// on failure path is as it was and the temporary file is gone.
int ReplaceFileWith(const char* path, const unsigned char* data, size_t size);

// IsSameFile: 1 when both names lead to one existing file. The bar has no
// use for it: on Windows the profile tool defines it, so the bar imports nothing more.
int IsSameFile(const char* first, const char* second);
