// record_launch: a program for the launcher tests to start. It writes how it
// was started into the file named by DESKRAIL_LAUNCH_RECORD (or, without it,
// record_launch.txt beside itself) and ends:
//   pid=<process id>
//   args=<the command line after the program's name>
//   cwd=<current directory>
//   show=<show command from the start-up record, -1 when none was given>
// The text goes to a temporary file first and is then moved into place, so a
// test that sees the file sees all of it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
// ArgumentTail: the command line without the program name, as the C runtime splits it.
std::string ArgumentTail(const char* line)
{
    const char* at = line;
    if (*at == '"') {
        ++at;
        while (*at && *at != '"') ++at;
        if (*at == '"') ++at;
    } else {
        while (*at && *at != ' ' && *at != '\t') ++at;
    }
    while (*at == ' ' || *at == '\t') ++at;
    return at;
}

std::string RecordPath()
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("DESKRAIL_LAUNCH_RECORD", path, sizeof path);
    if (length > 0 && length < sizeof path) return path;
    length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string self(path, length);
    return self.substr(0, self.find_last_of('\\')) + "\\record_launch.txt";
}
}  // namespace

int main()
{
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    std::string text = "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
    text += "args=" + ArgumentTail(GetCommandLineA()) + "\n";
    text += "cwd=" + std::string(directory) + "\n";
    text += "show=" + std::to_string(show) + "\n";

    std::string target = RecordPath();
    std::string temporary = target + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return 1;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) return 1;
    return MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
