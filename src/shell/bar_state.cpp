#include "shell/bar_state.h"

char programDirectory[PROGRAM_DIRECTORY_SIZE];
char userName[USER_NAME_SIZE];
char profileFileName[PROFILE_FILE_NAME_SIZE];
int32_t newShell;
int32_t powerStatusAvailable;
int32_t onBattery;
int32_t screenWidth;
int32_t screenHeight;
