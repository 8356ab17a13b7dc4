// sound_win.h: playing a WAV file for the chime and its test.
#pragma once
#include <windows.h>

// WavFilePlayable: the file can be opened and begins as a WAV file does.
BOOL WavFilePlayable(const char* path);

// Seam: the asynchronous sound call reports success even without a sound
// device, so tests put a stand-in here. The real one checks the file first
// and fails when it is missing, unreadable or no WAV file.
typedef BOOL(WINAPI* ChimeSoundFunction)(const char* path);
extern ChimeSoundFunction playChimeSound;
