// launch_record.h: reading what record_launch.exe (tests/helpers) wrote
// about how it was started.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win_driver.h"

namespace driver {

// The variable that tells record_launch.exe where to write; children inherit it.
const char LAUNCH_RECORD_VARIABLE[] = "DESKRAIL_LAUNCH_RECORD";

// LaunchRecorder: record_launch.exe copied into a test's folder, with the
// variable set that makes it write its record there; removed at the end.
struct LaunchRecorder {
    explicit LaunchRecorder(const TempDir& dir)
        : helper(dir.File("record_launch.exe")), record(dir.File("record.txt"))
    {
        copied = CopyFileA((ModuleDirectory() + "\\record_launch.exe").c_str(), helper.c_str(), FALSE) != 0;
        // The bar inherits it, and the programs it starts inherit it from the bar.
        SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, record.c_str());
    }
    ~LaunchRecorder() { SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, nullptr); }
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    std::string helper;  // the program to put in entries
    std::string record;  // where it writes how it was started
    bool copied;
};

struct LaunchRecord {
    DWORD pid = 0;
    std::string args;  // the command line after the program's name
    std::string cwd;
    int show = -2;     // -1: started without a show command
};

// WaitForLaunchRecord: the record once the helper has written it; the file is
// then removed, so the next start writes a new one. Wine's rename holds the
// file open for a moment after it appears, so reading and removing are
// tried until they work.
inline bool WaitForLaunchRecord(const std::string& file, LaunchRecord& found, DWORD timeoutMs = 5000)
{
    std::vector<unsigned char> bytes;
    if (!WaitFor([&] { return FileExists(file) && ReadFileBytes(file, bytes); }, timeoutMs)) return false;
    WaitFor([&] { return DeleteFileA(file.c_str()) || !FileExists(file); }, 1000);
    std::string text(bytes.begin(), bytes.end());
    found = LaunchRecord();
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        size_t eq = line.find('=');
        std::string key = line.substr(0, eq);
        std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (key == "pid") found.pid = std::stoul(value);
        if (key == "args") found.args = value;
        if (key == "cwd") found.cwd = value;
        if (key == "show") found.show = std::stoi(value);
        at = end + 1;
    }
    return true;
}

// NoLaunchRecord: nothing was started within the time a start takes.
inline bool NoLaunchRecord(const std::string& file, DWORD timeoutMs = 1500)
{
    return !WaitFor([&] { return FileExists(file); }, timeoutMs);
}

}  // namespace driver
