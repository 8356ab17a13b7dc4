#include "base/sound_win.h"

#include <mmsystem.h>

#include "base/handles_win.h"
#include "base/lazy_import_win.h"
#include "base/sound.h"

BOOL WavFilePlayable(const char* path)
{
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    unsigned char head[12];
    DWORD got = 0;
    return file.Valid() && ReadFile(file.handle, head, sizeof head, &got, nullptr) && IsWaveHeader(head, got);
}

BOOL WINAPI PlaySoundFile(const char* path)
{
    static const auto playSound = LazyImport<decltype(&PlaySoundA)>("winmm.dll", "PlaySoundA");
    // The asynchronous call reports nothing about the file, so it is read first.
    return WavFilePlayable(path) && playSound && playSound(path, nullptr, SND_FILENAME | SND_ASYNC);
}
