// launcher.h: the decisions of starting an entry that need no Win32 call.
#pragma once
#include <cstddef>
#include <cstdint>

// IsShellLinkPath: the path ends in ".lnk", in any mix of letter case.
bool IsShellLinkPath(const char* path);

// ShellExecuteFailureText: the message for a result of the older shell call
// (below 32): file not found, path not found, or the bare code.
void ShellExecuteFailureText(char* text, size_t size, int32_t result, const char* path);

// CheckShellExecuteResult: 1 for a result of 32 or above; otherwise fills
// text with the message for the code and gives 0. The result is the call's
// handle value taken as unsigned, so a success value with the top bit set
// stays one.
int CheckShellExecuteResult(uintptr_t result, const char* path, char* text, size_t size);
