#include "base/sound_win.h"

#include <mmsystem.h>

#include "base/lazy_import_win.h"

namespace {
BOOL WINAPI PlaySoundFile(const char* path)
{
    static const auto playSound = LazyImport<decltype(&PlaySoundA)>("winmm.dll", "PlaySoundA");
    return playSound && playSound(path, nullptr, SND_FILENAME | SND_ASYNC);
}
}  // namespace

ChimeSoundFunction playChimeSound = PlaySoundFile;
