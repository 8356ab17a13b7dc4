// command_line_fuzz: any argument vector must parse without overrunning the
// user name, the profile name or the message texts.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "native_platform.h"
#include "settings/user_variables.h"
#include "shell/bar_state.h"
#include "shell/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Arguments are the input split at NUL bytes, as the runtime hands them over.
    std::vector<std::string> words = {"DeskRail.exe"};
    std::string word;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());

    CommandLineSwitches switches;
    ParseArguments(static_cast<int>(argv.size()), argv.data(), switches);
    if (std::strlen(userName) >= sizeof userName || std::strlen(profileFileName) >= sizeof profileFileName)
        __builtin_trap();
    const int32_t* flags[] = {&switches.alwaysOnTop, &switches.hourlyChime, &switches.showDate,
                              &switches.showFreeMemory, &switches.dockBottom, &switches.autoHide,
                              &switches.showTime, &switches.showUserName};
    for (const int32_t* flag : flags)
        if (*flag < -1 || *flag > 1) __builtin_trap();
    for (const RecordedBox& box : TakeRecordedBoxes())
        if (box.text.size() > 95) __builtin_trap();
    return 0;
}
