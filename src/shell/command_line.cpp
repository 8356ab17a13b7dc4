#include "shell/command_line.h"

#include <cstring>

#include "settings/user_variables.h"
#include "shell/bar_state.h"
#include "shell/messages.h"
#include "shell/text.h"

namespace {

const char* const BAD_FILE_NAME_TEXT =
    "Fehlender oder falscher Dateiname\nbeim Aufruf in der DOS-Kommandozeile.";

// The message holds 60 characters of the argument; a longer one is shown cut,
// with "..." so the user sees it was cut.
void ReportUnknownOption(const char* argument)
{
    char shown[64];
    if (std::strlen(argument) > 60) {
        std::memcpy(shown, argument, 60);
        std::memcpy(shown + 60, "...", 4);
    } else {
        CopyText(shown, argument);
    }
    char text[96];
    FormatTextN(text, sizeof text, "Unbekannte Option: %s", shown);
    ShowWarning(text);
}

}  // namespace

void ParseArguments(int argc, const char* const* argv, CommandLineSwitches& switches)
{
    userName[0] = '\0';
    profileFileName[0] = '\0';
    std::memset(&switches, 0, sizeof switches);
    char fileName[260] = "";

    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (argument[0] != '-' && argument[0] != '+') {
            CopyText(userName, argument);  // longer names are cut to the field
            continue;
        }
        char letter = argument[1];
        if (letter == 'f') {
            if (i + 1 >= argc) {
                ShowWarning(BAD_FILE_NAME_TEXT);
                break;
            }
            const char* next = argv[++i];
            // A name the profile field cannot hold whole would name another file.
            if (next[0] == '-' || next[0] == '+' || std::strlen(next) >= PROFILE_FILE_NAME_SIZE)
                ShowWarning(BAD_FILE_NAME_TEXT);
            else
                CopyText(fileName, next);
            continue;
        }
        int32_t* field = letter ? SwitchField(switches, letter) : nullptr;
        if (!field) {
            ReportUnknownOption(argument);
            continue;
        }
        *field = argument[0] == '+' ? 1 : -1;
    }

    if (userName[0])
        FormatTextN(profileFileName, sizeof profileFileName, "deskrail.%s", userName);
    if (fileName[0])
        CopyText(profileFileName, fileName);
}
