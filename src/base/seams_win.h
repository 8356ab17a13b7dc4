// seams_win.h: the system calls tests replace, where Wine cannot show the
// real case. Each field starts as the real call.
#pragma once
#include <windows.h>
#include <shellapi.h>

// Windows 95's replacing move, which is not implemented there.
typedef BOOL(WINAPI* MoveFileExFunction)(LPCSTR from, LPCSTR to, DWORD flags);
// A flush that fails, as on a disk that is gone.
typedef BOOL(WINAPI* FlushFileBuffersFunction)(HANDLE file);
// A write that stops part-way, as on a full disk.
typedef BOOL(WINAPI* WriteFileFunction)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// The asynchronous sound call reports success even without a sound device;
// the real one checks the file first (PlayChimeFile).
typedef BOOL(WINAPI* ChimeSoundFunction)(const char* path);
// The two shell calls the launcher makes: Wine's shell reports a missing
// folder as a missing file and expands variables even for the old call.
typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
typedef BOOL(WINAPI* ShellExecuteExFunction)(SHELLEXECUTEINFOA*);
// The local clock, which cannot be set to a full hour.
typedef void(WINAPI* ClockFunction)(LPSYSTEMTIME now);
// Looked up at run time: null on systems before Windows 2000.
typedef BOOL(WINAPI* MemoryStatusExFunction)(LPMEMORYSTATUSEX status);
// The shell's app-bar messages: a shell that refuses, another bar, a
// full-screen notice (which Wine never sends).
typedef UINT_PTR(WINAPI* AppBarMessageFunction)(DWORD message, PAPPBARDATA data);

struct TestSeams {
    MoveFileExFunction moveFileEx;
    FlushFileBuffersFunction flushFileBuffers;
    WriteFileFunction writeFile;
    ChimeSoundFunction playChimeSound;
    ShellExecuteFunction shellExecute;
    ShellExecuteExFunction shellExecuteEx;
    ClockFunction readChimeClock;
    MemoryStatusExFunction memoryStatusEx;
    AppBarMessageFunction appBarMessage;
};
extern TestSeams Seams;
