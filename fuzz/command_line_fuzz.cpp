// command_line_fuzz: any argument vector parses without overrunning the user
// name, the profile name or the warnings, and every switch is +1, -1 or 0.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "shell/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Arguments are the input split at NUL bytes, as the runtime hands them over.
    std::vector<std::string> words = {"DeskRail.exe", ""};
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) words.emplace_back();
        else words.back() += static_cast<char>(data[i]);
    }
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());

    ParsedArguments parsed;
    ParseArguments(static_cast<int>(argv.size()), argv.data(), parsed);
    if (std::strlen(parsed.userName) >= sizeof parsed.userName ||
        std::strlen(parsed.profileFileName) >= sizeof parsed.profileFileName)
        __builtin_trap();
    if (parsed.warnings.count < 0 || parsed.warnings.count > MessageList::CAPACITY) __builtin_trap();
    for (int i = 0; i < parsed.warnings.count; ++i)
        if (std::strlen(parsed.warnings.text[i]) >= MessageList::TEXT_SIZE) __builtin_trap();
    for (char letter : std::string("scdmbatu")) {
        int32_t flag = *SwitchField(parsed.switches, letter);
        if (flag < -1 || flag > 1) __builtin_trap();
    }
    return 0;
}
