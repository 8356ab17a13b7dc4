// record_launch: writes how it was started into the file DESKRAIL_LAUNCH_RECORD
// names: its arguments, the current directory, the show command of its start-up
// record (-1: none). Moved in place whole, so a test sees all of it or nothing.
#include <windows.h>

#include <fstream>

int main(int argc, char** argv)
{
    char directory[MAX_PATH] = "", target[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    STARTUPINFOA startup = {};
    GetStartupInfoA(&startup);
    if (!GetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", target, sizeof target)) return 1;
    std::string temporary = std::string(target) + ".tmp";
    std::ofstream record(temporary, std::ios::binary);
    for (int i = 1; i < argc; ++i) record << argv[i] << "|";
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    record << "\n" << directory << "\n" << show << "\n";
    record.close();
    return MoveFileExA(temporary.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
