// record_launch: a program for the launcher tests to start. It writes how it
// was started into the file DESKRAIL_LAUNCH_RECORD names, a line each: the
// command line after its name, the current directory, the show command of
// its start-up record (-1: none). Written beside it first and then moved in
// place, so a test that sees the file sees all of it.
#include <windows.h>

#include <fstream>
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
    if (!GetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", target, sizeof target)) return 1;
    std::string temporary = std::string(target) + ".tmp";
    std::ofstream(temporary, std::ios::binary) << tail << "\n" << directory << "\n" << show << "\n";
    return MoveFileExA(temporary.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
