#include "base/system_info.h"

#include <cstring>

SystemFlags ClassifyVersion(uint32_t version)
{
    unsigned major = version & 0xFF;
    bool outsideNt = (version & 0x80000000u) != 0;
    if (outsideNt)
        return major < 4 ? SystemFlags{false, false, false} : SystemFlags{true, true, true};
    if (major == 3) return SystemFlags{true, false, false};
    if (major == 4) return SystemFlags{true, true, false};
    return SystemFlags{true, true, true};
}

int DirectoryFromModulePath(char* directory, size_t size, const char* modulePath)
{
    const char* slash = std::strrchr(modulePath, '\\');
    if (!slash || size == 0) return 0;
    size_t length = static_cast<size_t>(slash - modulePath);
    if (length >= size) return 0;
    std::memcpy(directory, modulePath, length);
    directory[length] = '\0';
    return 1;
}
