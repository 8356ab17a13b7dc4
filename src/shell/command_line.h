// command_line.h: the rules that turn the argument vector into the user name,
// the profile file name and the option overrides.
#pragma once

struct CommandLineSwitches;

// ParseArguments: argv[0] is the program itself. Fills userName and
// profileFileName, zeroes and fills the switches, and reports bad arguments
// through ShowWarning. Never stops start-up.
void ParseArguments(int argc, const char* const* argv, CommandLineSwitches& switches);
