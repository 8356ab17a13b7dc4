// launch_record.h: record_launch.exe (tests/helpers) as a program to start,
// and what it wrote about how it was started.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win_driver.h"

namespace driver {

// The variable that names the record file; children inherit it.
const char LAUNCH_RECORD_VARIABLE[] = "DESKRAIL_LAUNCH_RECORD";

// LaunchRecorder: the helper copied into a test's folder, the variable set
// (the bar inherits it, and the programs it starts inherit it from the bar).
struct LaunchRecorder {
    explicit LaunchRecorder(const TempDir& dir) : helper(dir.File("record_launch.exe")), record(dir.File("record.txt"))
    {
        copied = CopyFileA((ModuleDirectory() + "\\record_launch.exe").c_str(), helper.c_str(), FALSE) != 0;
        SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, record.c_str());
    }
    ~LaunchRecorder() { SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, nullptr); }
    std::string helper, record;
    bool copied;
};

struct LaunchRecord {
    std::string args;  // the command line after the program's name
    std::string cwd;
    int show = -2;     // -1: started without a show command
};

// WaitForLaunchRecord: the record once written; the file is then removed for
// the next start (Wine's rename holds it open for a moment, so try again).
inline bool WaitForLaunchRecord(const std::string& file, LaunchRecord& found, DWORD timeoutMs = 5000)
{
    std::vector<unsigned char> bytes;
    if (!WaitFor([&] { return ReadFileBytes(file, bytes); }, timeoutMs)) return false;
    WaitFor([&] { return DeleteFileA(file.c_str()) || !FileExists(file); }, 1000);
    std::string text(bytes.begin(), bytes.end()), lines[3];
    for (size_t line = 0, at = 0, end; line < 3 && (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines[line++] = text.substr(at, end - at);
    found = {lines[0], lines[1], lines[2].empty() ? -2 : std::stoi(lines[2])};
    return true;
}

// NoLaunchRecord: nothing was started within the time a start takes.
inline bool NoLaunchRecord(const std::string& file, DWORD timeoutMs = 1500)
{
    return !WaitFor([&] { return FileExists(file); }, timeoutMs);
}

}  // namespace driver
