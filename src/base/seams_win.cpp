// seams_win.cpp: the real calls the seams start as.
#include "base/seams_win.h"

#include "base/lazy_import_win.h"
#include "base/sound_win.h"

namespace {
BOOL WINAPI LookedUpMemoryStatusEx(LPMEMORYSTATUSEX status)
{
    static const auto lookedUp = LazyImport<MemoryStatusExFunction>("kernel32.dll", "GlobalMemoryStatusEx");
    return lookedUp && lookedUp(status);
}
}  // namespace

TestSeams Seams = {
    MoveFileExA,
    FlushFileBuffers,
    WriteFile,
    PlaySoundFile,
    ShellExecuteA,
    ShellExecuteExA,
    GetLocalTime,  // the full hour of the user's time zone, half-hour ones included
    LookedUpMemoryStatusEx,
    SHAppBarMessage,
};
