// file_browser_win.cpp: the system's file-open dialog for a program or a WAV
// file; the chosen path goes into the calling dialog's edit field.
#include "editor/file_browser_win.h"

#include <commdlg.h>

#include "shell/lazy_import_win.h"

void BrowseForFile(int kind, HWND owner)
{
    static const char PROGRAM_FILTER[] = "Programm-Dateien\0*.EXE;*.COM;*.BAT;*.PIF;*.LNK\0Alle Dateien\0*.*\0";
    static const char WAV_FILTER[] = "WAV-Dateien\0*.WAV\0";
    char path[80] = "";
    OPENFILENAMEA request = {};
    request.lStructSize = 76;  // the record as the older shells know it
    request.hwndOwner = owner;
    request.lpstrFilter = kind == BROWSE_PROGRAM ? PROGRAM_FILTER : WAV_FILTER;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrInitialDir = "C:\\";
    request.lpstrTitle = kind == BROWSE_PROGRAM ? "Programm-Datei suchen ..." : "WAV-Datei suchen ...";
    request.Flags = OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    static const auto openFileName = LazyImport<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    if (!openFileName || !openFileName(&request)) return;
    SendMessageA(GetDlgItem(owner, kind == BROWSE_PROGRAM ? 1014 : 1003), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(path));
    SetFocus(GetDlgItem(owner, IDOK));
}
