// sound_win.h: playing a WAV file for the chime and its test.
#pragma once
#include <windows.h>

// WavFilePlayable: the file can be opened and begins as a WAV file does.
BOOL WavFilePlayable(const char* path);

// PlaySoundFile: starts the file playing; fails when it is missing,
// unreadable or no WAV file (the asynchronous call alone reports success).
BOOL WINAPI PlaySoundFile(const char* path);
