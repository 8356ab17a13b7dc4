// deskrail-profile: a profile file as text and back (docs/profile-format.md).
//   deskrail-profile export PROFILE         the text to standard output
//   deskrail-profile import TEXT PROFILE    the profile from the text
#include <cstdio>

#include "base/platform.h"
#include "base/text.h"
#include "menus/profile_tool.h"
#ifdef _WIN32
#include <windows.h>
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

// Messages are code page 1252; a Windows console shows the OEM page.
void Fail(const char* message)
{
#ifdef _WIN32
    char oem[600];
    CopyText(oem, message);
    CharToOemA(oem, oem);
    message = oem;
#endif
    std::fprintf(stderr, "%s\n", message);
}

void ToStandardOutput(const char* text, size_t length, void*) { std::fwrite(text, 1, length, stdout); }

}  // namespace

int main(int argc, char** argv)
{
    int code = RunProfileTool(argc, argv, ToStandardOutput, Fail);
    return code == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)) ? 1 : code;
}
