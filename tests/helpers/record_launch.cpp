// record_launch: a program for the launcher tests to start. It writes how it
// was started into the file named by DESKRAIL_LAUNCH_RECORD, one line each:
// the command line after its name, the current directory, the show command
// of its start-up record (-1 when none was given). Written beside the file
// first and then moved in place, so a test that sees the file sees all of it.
#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    // The tail as the C runtime splits it: past the (quoted) name and blanks.
    const char* tail = GetCommandLineA();
    for (bool quoted = false; *tail && (quoted || (*tail != ' ' && *tail != '\t')); ++tail)
        if (*tail == '"') quoted = !quoted;
    while (*tail == ' ' || *tail == '\t') ++tail;
    char directory[MAX_PATH] = "", target[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::string text = std::string(tail) + "\n" + directory + "\n" + std::to_string(show) + "\n";

    if (!GetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", target, sizeof target)) return 1;
    std::string temporary = std::string(target) + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return 1;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) return 1;
    return MoveFileExA(temporary.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
