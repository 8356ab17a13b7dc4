// command_line.h: the rules that turn the argument vector into the user name,
// the profile file name and the option overrides.
#pragma once

#include "base/name_sizes.h"
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

// What a second start hands to the running bar (WM_COPYDATA), and its answer.
struct SecondStart {
    char userName[USER_NAME_SIZE];
    char profileFileName[PROFILE_FILE_NAME_SIZE];
    CommandLineSwitches switches;
};
enum : unsigned long { SECOND_START_DATA = 0x44525331 };  // "DRS1": no other sender's data
enum { SECOND_START_TAKEN = 1, SECOND_START_OTHER_USER = 2 };

// ServesSecondStart: a start without a user name or profile file is for the
// running bar, whoever's it is; one with either is for a bar of the same user
// and profile file only (compared as Windows compares file names).
bool ServesSecondStart(const SecondStart& start, const char* runningUser, const char* runningProfile);
