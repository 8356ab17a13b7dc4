#include "base/process_state.h"

char programDirectory[PROGRAM_DIRECTORY_SIZE];
char userName[USER_NAME_SIZE];
char profileFileName[PROFILE_FILE_NAME_SIZE];
bool newShell;
bool powerStatusAvailable;
bool onBattery;
int32_t screenWidth;
int32_t screenHeight;
bool barShown = true;
