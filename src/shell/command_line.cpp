#include "shell/command_line.h"

#include <cstring>

#include "base/texts.h"

namespace {

// The message holds 60 characters of the argument; a longer one is shown cut,
// with "..." so the user sees it was cut.
void ReportUnknownOption(MessageList& warnings, const char* argument)
{
    char shown[64];
    if (std::strlen(argument) > 60) {
        std::memcpy(shown, argument, 60);
        std::memcpy(shown + 60, "...", 4);
    } else {
        CopyText(shown, argument);
    }
    AddMessage(warnings, UNKNOWN_OPTION_FORMAT, shown);
}

// NamesAFile: no character Windows forbids in a file name, so the user name
// can neither leave the program's folder nor nest registry keys; nor a last
// "." or " ", which Windows drops from a file's name but not from a key's:
// "anna." would share anna's profile but not her options.
bool NamesAFile(const char* name)
{
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(name); *c; ++c)
        if (*c < 0x20 || std::strchr("\\/:*?\"<>|", *c)) return false;
    size_t length = std::strlen(name);
    return !length || (name[length - 1] != '.' && name[length - 1] != ' ');
}

// SameName: equal but for case, in code page 1252 as Windows folds it
// (à to þ and À to Þ differ by 0x20, but for the division and multiplication signs).
bool SameName(const char* a, const char* b)
{
    auto fold = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ? c - 0x20 : c;
    };
    for (; *a && *b; ++a, ++b)
        if (fold(static_cast<unsigned char>(*a)) != fold(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

}  // namespace

bool ServesSecondStart(const SecondStart& start, const char* runningUser, const char* runningProfile)
{
    if (!start.userName[0] && !start.profileFileName[0]) return true;
    return SameName(start.userName, runningUser) && SameName(start.profileFileName, runningProfile);
}

void ParseArguments(int argc, const char* const* argv, ParsedArguments& parsed)
{
    std::memset(&parsed, 0, sizeof parsed);
    char fileName[260] = "";

    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (argument[0] != '-' && argument[0] != '+') {
            // Longer names are cut to the field, and checked as cut: "a…a.b" may end in ".".
            char name[USER_NAME_SIZE];
            CopyText(name, argument);
            if (NamesAFile(name))
                CopyText(parsed.userName, name);
            else
                AddMessage(parsed.warnings, "%s", BAD_FILE_NAME_TEXT);
            continue;
        }
        char letter = argument[1];
        if (letter == 'f') {
            if (i + 1 >= argc) {
                AddMessage(parsed.warnings, "%s", BAD_FILE_NAME_TEXT);
                break;
            }
            const char* next = argv[++i];
            // A name the profile field cannot hold whole would name another file.
            if (next[0] == '-' || next[0] == '+' || std::strlen(next) >= PROFILE_FILE_NAME_SIZE)
                AddMessage(parsed.warnings, "%s", BAD_FILE_NAME_TEXT);
            else
                CopyText(fileName, next);
            continue;
        }
        int32_t* field = letter ? SwitchField(parsed.switches, letter) : nullptr;
        if (!field) {
            ReportUnknownOption(parsed.warnings, argument);
            continue;
        }
        *field = argument[0] == '+' ? 1 : -1;
    }

    if (parsed.userName[0])
        FormatTextN(parsed.profileFileName, sizeof parsed.profileFileName, PROFILE_NAME_FORMAT, parsed.userName);
    if (fileName[0]) CopyText(parsed.profileFileName, fileName);
}
