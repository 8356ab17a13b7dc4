#include <windows.h>

#include "shell/platform.h"
#include "shell/text.h"

int SetCurrentDirectoryText(const char* directory) { return SetCurrentDirectoryA(directory) != 0; }

void GetWindowsDirectoryText(char* buffer, size_t size)
{
    char directory[MAX_PATH];
    UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) directory[0] = '\0';
    CopyTextN(buffer, size, directory);
}

int ReplaceFileText(const char* source, const char* target)
{
    // Write-through, so a crash right after leaves either the old or the new file.
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
