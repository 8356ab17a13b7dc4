// status_line_win.h: the status line's Win32 side and its test seams.
#pragma once
#include <windows.h>

#include <cstdint>

#include "status/status_line.h"

extern int32_t chimePlayed;  // the chime of this hour has sounded

// Seams: the asynchronous sound call reports success even without a sound
// device, and the clock cannot be set to a full hour; tests replace these.
typedef BOOL(WINAPI* ChimeSoundFunction)(const char* path);
typedef void(WINAPI* UtcClockFunction)(LPSYSTEMTIME now);
extern ChimeSoundFunction playChimeSound;
extern UtcClockFunction readUtcClock;

extern const char WAV_FAILED_TEXT[];
