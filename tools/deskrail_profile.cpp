// deskrail-profile: a profile file as text and back (docs/profile-format.md).
//   deskrail-profile export PROFILE         the text to standard output
//   deskrail-profile import TEXT PROFILE    the profile from the text
#include <cstdio>

#include "base/platform.h"
#include "base/text.h"
#include "menus/profile_file.h"
#include "menus/profile_tool.h"
#ifdef _WIN32
#include <windows.h>

#include "base/console_win.h"
#endif

#ifdef _WIN32
int IsSameFile(const char* first, const char* second)
{
    // Full names, so ".\\a.txt" and "a.txt" meet; the case of a name does not count.
    char a[MAX_PATH], b[MAX_PATH];
    DWORD lengthA = GetFullPathNameA(first, sizeof a, a, nullptr), lengthB = GetFullPathNameA(second, sizeof b, b, nullptr);
    return lengthA && lengthA < sizeof a && lengthB && lengthB < sizeof b && lstrcmpiA(a, b) == 0 &&
           GetFileAttributesA(a) != INVALID_FILE_ATTRIBUTES;
}
#endif

namespace {

// Messages are code page 1252; the terminal gets them in its own encoding:
// UTF-8 here, the console's code page on Windows.
void Fail(const char* message)
{
    char shown[1200];
#ifdef _WIN32
    ConsoleText(shown, sizeof shown, message);
#else
    Cp1252ToUtf8(shown, sizeof shown, message);
#endif
    std::fprintf(stderr, "%s\n", shown);
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
    int code = RunProfileTool(argc, argv, ToStandardOutput, Fail);
    if (code == 0 && argc == 4) AnnounceWritten();  // an import wrote the profile
    return code == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)) ? 1 : code;
}
