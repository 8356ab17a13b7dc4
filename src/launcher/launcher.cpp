#include "launcher/launcher.h"

#include <cstring>

#include "base/text.h"
#include "base/texts.h"

namespace {
// Below this the older shell call answers with an error code.
const uintptr_t FIRST_SUCCESS = 32;
}  // namespace

bool IsShellLinkPath(const char* path)
{
    size_t length = std::strlen(path);
    if (length < 4) return false;
    const char* tail = path + length - 4;
    const char ext[] = ".lnk";
    for (int i = 0; i < 4; ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

void ShellExecuteFailureText(char* text, size_t size, int32_t result, const char* path)
{
    switch (result) {
    case 2:
        FormatTextN(text, size, FILE_NOT_FOUND_FORMAT, path);
        break;
    case 3:
        FormatTextN(text, size, PATH_NOT_FOUND_FORMAT, path);
        break;
    default:
        FormatTextN(text, size, SHELL_ERROR_FORMAT, static_cast<int>(result));
        break;
    }
}

int CheckShellExecuteResult(uintptr_t result, const char* path, char* text, size_t size)
{
    if (result >= FIRST_SUCCESS) return 1;
    ShellExecuteFailureText(text, size, static_cast<int32_t>(result), path);
    return 0;
}
