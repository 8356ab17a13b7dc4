// deskrail-profile: a profile file as text and back (docs/profile-format.md).
//   deskrail-profile export PROFILE         the text to standard output
//   deskrail-profile import TEXT PROFILE    the profile from the text
#include <cstdio>
#include <cstring>

#include "base/platform.h"
#include "base/process_state.h"
#include "base/text.h"
#include "base/texts.h"
#include "menus/profile_file.h"
#include "menus/profile_text.h"
#ifdef _WIN32
#include <windows.h>

#include "base/console_win.h"
#endif

namespace {

// Messages are code page 1252; the terminal gets them in its own encoding:
// UTF-8 here, the console's code page on Windows.
int Fail(const char* message)
{
    char shown[1200];
#ifdef _WIN32
    ConsoleText(shown, sizeof shown, message);
#else
    Cp1252ToUtf8(shown, sizeof shown, message);
#endif
    std::fprintf(stderr, "%s\n", shown);
    return 1;
}

bool ReadInput(const char* path, unsigned char*& data, size_t& size)
{
    if (ReadWholeFile(path, data, size) == FILE_READ) return true;
    char message[400];
    FormatTextN(message, sizeof message, PROFILE_TOOL_READ_FAILED_FORMAT, path);
    Fail(message);
    return false;
}

// A bar running on that profile reads it again at once; it would otherwise
// show its old menus and write them back at its end.
void AnnounceWritten()
{
#ifdef _WIN32
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA(PROFILE_WRITTEN_MESSAGE), 0, 0);
#endif
}

void ToStandardOutput(const char* text, size_t length, void*) { std::fwrite(text, 1, length, stdout); }

}  // namespace

int main(int argc, char** argv)
{
    unsigned char* data = nullptr;
    size_t size = 0;
    if (argc == 3 && std::strcmp(argv[1], "export") == 0) {
        if (!ReadInput(argv[2], data, size)) return 1;
        // The loader names the file in its messages.
        CopyText(profileFileName, argv[2]);
        ProfileLoad load = ExportProfileText(data, size, ToStandardOutput, nullptr);
        delete[] data;
        if (load.fatal) return Fail(load.message);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (argc == 4 && std::strcmp(argv[1], "import") == 0) {
        if (!ReadInput(argv[2], data, size)) return 1;
        char message[400];
        int imported = ImportProfileText(reinterpret_cast<const char*>(data), size, argv[3], message, sizeof message);
        delete[] data;
        if (!imported) return Fail(message);
        AnnounceWritten();
        return 0;
    }
    Fail(PROFILE_TOOL_USAGE_TEXT);
    return 2;
}
