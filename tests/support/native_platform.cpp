#include "native_platform.h"

#include "base/platform.h"

void SetNativeWindowsDirectory(const std::string& directory) { SetNativeWindowsDirectoryText(directory.c_str()); }
