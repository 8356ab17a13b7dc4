// sound_win.h: playing a WAV file for the chime and its test.
#pragma once
#include <windows.h>

// Seam: the asynchronous sound call reports success even without a sound
// device, so tests put a stand-in here.
typedef BOOL(WINAPI* ChimeSoundFunction)(const char* path);
extern ChimeSoundFunction playChimeSound;
