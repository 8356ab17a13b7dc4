// command_line.h: the rules that turn the argument vector into the user name,
// the profile file name and the option overrides.
#pragma once

#include "base/process_state.h"
#include "base/text.h"
#include "settings/user_variables.h"

struct ParsedArguments {
    char userName[USER_NAME_SIZE];                // "" when none was given
    char profileFileName[PROFILE_FILE_NAME_SIZE];  // "" when neither name nor -f gave one
    CommandLineSwitches switches;
    MessageList warnings;                          // for bad arguments, in order
};

// ParseArguments: argv[0] is the program itself. Bad arguments are skipped
// with a warning each; parsing never stops start-up.
void ParseArguments(int argc, const char* const* argv, ParsedArguments& parsed);
