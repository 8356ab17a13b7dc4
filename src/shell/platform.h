// platform.h: the few operating-system services that portable code needs.
// Defined in platform_win.cpp; the native build has its own stand-ins.
#pragma once
#include <cstddef>

// SetCurrentDirectoryText: 1 on success.
int SetCurrentDirectoryText(const char* directory);

// GetWindowsDirectoryText: the Windows directory without trailing backslash,
// cut to fit; "" when unknown.
void GetWindowsDirectoryText(char* buffer, size_t size);

// ReplaceFileText: moves source over target, replacing it atomically where the
// system can; 1 on success, and on failure target is left as it was.
int ReplaceFileText(const char* source, const char* target);
