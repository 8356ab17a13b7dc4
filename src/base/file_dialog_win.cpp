#include "base/file_dialog_win.h"

#include <commdlg.h>

#include "base/lazy_import_win.h"
#include "base/texts.h"
#include "resources/resource.h"

void BrowseForFile(int kind, HWND owner)
{
    // Room for any path: a longer choice than its field takes is refused there,
    // with a message, rather than failing here in silence.
    char path[MAX_PATH] = "";
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
    if (!openFileName || !openFileName(&request)) return;
    SendMessageA(GetDlgItem(owner, kind == BROWSE_PROGRAM ? IDC_ENTRY_PATH : IDC_CHIME_SOUND), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(path));
    SetFocus(GetDlgItem(owner, IDOK));
}
