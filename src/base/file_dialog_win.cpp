#include "base/file_dialog_win.h"

#include <commdlg.h>

#include "base/lazy_import_win.h"
#include "base/texts.h"

bool BrowseForFile(int kind, HWND owner, char (&path)[BROWSED_PATH_SIZE])
{
    path[0] = '\0';
    OPENFILENAMEA request = {};
    request.lStructSize = 76;  // the record as the older shells know it
    request.hwndOwner = owner;
    request.lpstrFilter = kind == BROWSE_PROGRAM ? PROGRAM_FILTER : WAV_FILTER;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrInitialDir = "C:\\";
    request.lpstrTitle = kind == BROWSE_PROGRAM ? PROGRAM_BROWSE_TITLE : WAV_BROWSE_TITLE;
    request.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    static const auto openFileName = LazyImport<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    return openFileName && openFileName(&request);
}
