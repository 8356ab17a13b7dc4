// platform_win.h: the platform layer's seam.
#pragma once
#include <windows.h>

// Tests make the replacing move fail as it does on Windows 95.
typedef BOOL(WINAPI* MoveFileExFunction)(LPCSTR from, LPCSTR to, DWORD flags);
extern MoveFileExFunction moveFileEx;
// And a flush that fails, as on a disk that is gone.
typedef BOOL(WINAPI* FlushFileBuffersFunction)(HANDLE file);
extern FlushFileBuffersFunction flushFileBuffers;

// Tests make a write stop part-way, as on a full disk.
typedef BOOL(WINAPI* WriteFileFunction)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
extern WriteFileFunction writeFile;
