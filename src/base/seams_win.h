// seams_win.h: the system calls tests replace where Wine cannot show the real
// case. Each field starts as the real call; a test's stand-in stays for a scope.
#pragma once
#include <windows.h>
#include <shellapi.h>

// Tests put there: Windows 95's replacing move, which is not implemented.
typedef BOOL(WINAPI* MoveFileExFunction)(LPCSTR from, LPCSTR to, DWORD flags);
// A flush that fails, as on a disk that is gone.
typedef BOOL(WINAPI* FlushFileBuffersFunction)(HANDLE file);
// A write that stops part-way, as on a full disk.
typedef BOOL(WINAPI* WriteFileFunction)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// A sound device: the real PlaySoundFile reads the file, then plays without waiting.
typedef BOOL(WINAPI* ChimeSoundFunction)(const char* path);
// A recorder of what reaches the shell: Wine's reports a missing folder as a missing file.
typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
// The same for the new call: Wine's expands variables even without being asked.
typedef BOOL(WINAPI* ShellExecuteExFunction)(SHELLEXECUTEINFOA*);
// A clock at the full hour.
typedef void(WINAPI* ClockFunction)(LPSYSTEMTIME now);
// Other figures, or null: a system before Windows 2000, without the call.
typedef BOOL(WINAPI* MemoryStatusExFunction)(LPMEMORYSTATUSEX status);
// A shell that refuses, another bar, a full-screen notice (Wine never sends one).
typedef UINT_PTR(WINAPI* AppBarMessageFunction)(DWORD message, PAPPBARDATA data);

struct TestSeams {
    MoveFileExFunction moveFileEx;
    FlushFileBuffersFunction flushFileBuffers;
    WriteFileFunction writeFile;
    ChimeSoundFunction playChimeSound;
    ShellExecuteFunction shellExecute;
    ShellExecuteExFunction shellExecuteEx;
    ClockFunction readChimeClock;
    MemoryStatusExFunction memoryStatusEx;  // the real one is looked up at first use
    AppBarMessageFunction appBarMessage;
};
extern TestSeams Seams;
