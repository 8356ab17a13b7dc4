// native_platform.h: the native build's stand-ins for the operating-system
// services of the portable code, and small helpers of the unit tests.
#pragma once
#include <string>
#include <vector>

// The text GetWindowsDirectoryText hands out (default "C:\WINDOWS").
void SetNativeWindowsDirectory(const std::string& directory);

// The file ReplaceFileWith writes first, before it moves it over path.
std::string NativeTemporaryFile(const std::string& path);

// Formatted: a format of base/texts.h filled in.
std::string Formatted(const char* format, ...);

using Bytes = std::vector<unsigned char>;
Bytes ReadBytes(const std::string& path);  // empty when missing
