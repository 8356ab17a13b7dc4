#include "launcher/launcher.h"

#include <cstring>

#include "shell/messages.h"
#include "shell/text.h"

namespace {
// A path of at most 127 characters and the longest message fit with room.
enum { FAILURE_TEXT_SIZE = 300 };
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
        FormatTextN(text, size, "Datei nicht gefunden:\n%s", path);
        break;
    case 3:
        FormatTextN(text, size, "Dateipfad nicht gefunden:\n%s", path);
        break;
    default:
        FormatTextN(text, size, "ShellExecute führte zu folgendem Fehlercode: %d", static_cast<int>(result));
        break;
    }
}

int CheckShellExecuteResult(uintptr_t result, const char* path)
{
    if (result >= FIRST_SUCCESS) return 1;
    char text[FAILURE_TEXT_SIZE];
    ShellExecuteFailureText(text, sizeof text, static_cast<int32_t>(result), path);
    ShowWarning(text);
    return 0;
}
