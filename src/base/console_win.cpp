#include "base/console_win.h"

#include <windows.h>

#include "base/lazy_import_win.h"
#include "base/text.h"

void ConsoleText(char* out, size_t size, const char* text)
{
    // Looked up at run time: the oldest systems may lack the call.
    static const auto consolePage = LazyImport<UINT(WINAPI*)()>("kernel32.dll", "GetConsoleOutputCP");
    UINT page = consolePage && consolePage() ? consolePage() : CP_OEMCP;
    WCHAR wide[600];
    int length = MultiByteToWideChar(1252, 0, text, -1, wide, sizeof wide / sizeof wide[0]);
    if (!length || !WideCharToMultiByte(page, 0, wide, length, out, static_cast<int>(size), nullptr, nullptr))
        CopyTextN(out, size, text);
}
