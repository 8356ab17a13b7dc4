// process_state.h: what the whole program knows about its run: where it lives,
// for whom it runs, what the system offers, and whether the bar is in view.
// Written by start-up and the bar window; read by every floor.
#pragma once
#include <cstdint>

// The executable's directory is held whole, however deep it lies.
enum { PROGRAM_DIRECTORY_SIZE = 1024, USER_NAME_SIZE = 30, PROFILE_FILE_NAME_SIZE = 128 };

extern char programDirectory[PROGRAM_DIRECTORY_SIZE];
extern char userName[USER_NAME_SIZE];
extern char profileFileName[PROFILE_FILE_NAME_SIZE];
extern bool newShell;              // the shell offers application desktop toolbars
extern bool powerStatusAvailable;  // the power status may be asked
extern bool onBattery;
extern int32_t screenWidth;
extern int32_t screenHeight;
extern bool barShown;              // in view, not at the hidden position
