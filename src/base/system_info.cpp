#include "base/system_info.h"

#include <cstring>

#include "base/platform.h"
#include "base/text.h"

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
    if (length == 2 && modulePath[1] == ':') ++length;
    if (length >= size) return 0;
    std::memcpy(directory, modulePath, length);
    directory[length] = '\0';
    return 1;
}

int ProgramFilePath(char* path, size_t size, const char* directory, const char* name)
{
    if (name[0] == '\\' || name[0] == '/' || (name[0] && name[1] == ':')) return CopyTextN(path, size, name);
    size_t length = std::strlen(directory);
    bool separated = length && (directory[length - 1] == '\\' || directory[length - 1] == PATH_SEPARATOR);
    char separator[2] = {separated ? '\0' : PATH_SEPARATOR, '\0'};
    return FormatTextN(path, size, "%s%s%s", directory, separator, name);
}
