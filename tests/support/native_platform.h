// native_platform.h: the native build's stand-ins for the operating-system
// services of the portable code.
#pragma once
#include <string>

// The text GetWindowsDirectoryText hands out (default "C:\WINDOWS").
void SetNativeWindowsDirectory(const std::string& directory);
