// bar_state.h: the process-wide values of the bar shell that portable code reads.
// The window handles live in bar_state_win.h.
#pragma once
#include <cstdint>

// The executable's directory is held whole, however deep it lies.
enum { PROGRAM_DIRECTORY_SIZE = 1024, USER_NAME_SIZE = 30, PROFILE_FILE_NAME_SIZE = 128 };

extern char programDirectory[PROGRAM_DIRECTORY_SIZE];
extern char userName[USER_NAME_SIZE];
extern char profileFileName[PROFILE_FILE_NAME_SIZE];
extern int32_t newShell;
extern int32_t powerStatusAvailable;
extern int32_t onBattery;
extern int32_t screenWidth;
extern int32_t screenHeight;
