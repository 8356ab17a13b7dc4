// command_line_fuzz: any command line splits into words and parses without
// overrunning a field, every switch is +1, -1 or 0, and the user name holds
// no character that Windows forbids in a file name, nor a last "." or " ".
#include <cstdint>
#include <cstring>
#include <string>

#include "base/command_words.h"
#include "shell/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The line as the system hands it over: the program's name first, no NUL inside.
    std::string line = "DeskRail.exe " + std::string(reinterpret_cast<const char*>(data), size);
    line = line.substr(0, line.find('\0'));
    char* words[64];  // as many as the program takes
    int count = SplitCommandWords(line.data(), words, 64);
    if (count < 1 || count > 64) __builtin_trap();

    ParsedArguments parsed;
    ParseArguments(count, words, parsed);
    if (std::strlen(parsed.userName) >= sizeof parsed.userName ||
        std::strlen(parsed.profileFileName) >= sizeof parsed.profileFileName)
        __builtin_trap();
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(parsed.userName); *c; ++c)
        if (*c < 32 || std::string("\\/:*?\"<>|").find(static_cast<char>(*c)) != std::string::npos) __builtin_trap();
    size_t length = std::strlen(parsed.userName);  // Windows drops a last "." or " " from a file's name
    if (length && (parsed.userName[length - 1] == '.' || parsed.userName[length - 1] == ' ')) __builtin_trap();
    if (parsed.warnings.count < 0 || parsed.warnings.count > MessageList::CAPACITY) __builtin_trap();
    for (int i = 0; i < parsed.warnings.count; ++i)
        if (std::strlen(parsed.warnings.text[i]) >= MessageList::TEXT_SIZE) __builtin_trap();
    for (char letter : std::string("scdmbatu")) {
        int32_t flag = *SwitchField(parsed.switches, letter);
        if (flag < -1 || flag > 1) __builtin_trap();
    }
    return 0;
}
