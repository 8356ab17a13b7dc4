// options_dialog_win.cpp: the Options dialog. Each check box changes its
// option and the screen at once; OK only takes the WAV path.
#include "settings/options_dialog_win.h"

#include "base/file_dialog_win.h"
#include "base/messages.h"
#include "base/process_state_win.h"
#include "base/seams_win.h"
#include "base/sound_win.h"
#include "base/text.h"
#include "base/texts.h"
#include "resources/resource.h"
#include "settings/user_variables.h"

namespace {

// At most 79 characters are taken; the field is read with room for one more,
// so a longer path is refused rather than cut into another file's name.
enum { WAV_PATH_LIMIT = 79, WAV_FIELD_SIZE = WAV_PATH_LIMIT + 2 };

uint32_t Toggled(uint32_t flag) { return flag ? 0 : 1; }

void Check(HWND dialog, int id, uint32_t flag) { CheckDlgButton(dialog, id, flag ? BST_CHECKED : BST_UNCHECKED); }

void ReadWavField(HWND dialog, char (&path)[WAV_FIELD_SIZE])
{
    path[0] = '\0';
    SendMessageA(GetDlgItem(dialog, IDC_CHIME_SOUND), WM_GETTEXT, sizeof path, reinterpret_cast<LPARAM>(path));
}

// Ask: a request to the bar, which owns the dialog.
LRESULT Ask(UINT request) { return SendMessageA(barWindowHandle, request, 0, 0); }

void Init(HWND dialog)
{
    // The stored path may fill its field without a terminator.
    char path[sizeof userVariables.chimeSound + 1];
    FieldText(path, userVariables.chimeSound);
    SendMessageA(GetDlgItem(dialog, IDC_CHIME_SOUND), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
    Check(dialog, IDC_HOURLY_CHIME, userVariables.hourlyChime);
    Check(dialog, IDC_SHOW_DATE, userVariables.showDate);
    Check(dialog, IDC_SHOW_FREE_MEMORY, userVariables.showFreeMemory);
    Check(dialog, IDC_ALWAYS_ON_TOP, userVariables.alwaysOnTop);
    Check(dialog, IDC_DOCK_BOTTOM, userVariables.dockBottom);
    Check(dialog, IDC_AUTO_HIDE, userVariables.autoHide);
    Check(dialog, IDC_SHOW_TIME, userVariables.showTime);
    Check(dialog, IDC_SHOW_USER_NAME, userVariables.showUserName);
}

// Ok: 1 when the dialog may close.
// WavPathTooLong: warns about a path longer than the limit.
bool WavPathTooLong(const char* path)
{
    if (TextLengthN(path, WAV_FIELD_SIZE) <= WAV_PATH_LIMIT) return false;
    ShowWarning(WAV_PATH_TOO_LONG_TEXT);
    return true;
}

int Ok(HWND dialog)
{
    char path[WAV_FIELD_SIZE];
    ReadWavField(dialog, path);
    if (!path[0] && userVariables.hourlyChime) {
        ShowWarning(NO_WAV_TEXT);
        return 0;
    }
    if (WavPathTooLong(path)) return 0;
    // A chime that cannot play would fail at the full hour, unseen until then.
    if (userVariables.hourlyChime && !WavFilePlayable(path)) {
        ShowWarning(WAV_FAILED_TEXT);
        return 0;
    }
    CopyText(userVariables.chimeSound, path);
    EndDialog(dialog, 1);
    return 1;
}

void TestSound(HWND dialog)
{
    char path[WAV_FIELD_SIZE];
    ReadWavField(dialog, path);
    if (!path[0])
        ShowWarning(NO_WAV_TEXT);
    else if (!WavPathTooLong(path) && !Seams.playChimeSound(path))
        ShowWarning(WAV_FAILED_TEXT);
}

void ToggleStatusPart(HWND dialog, int id, uint32_t& flag)
{
    flag = Toggled(flag);
    Check(dialog, id, flag);
    Ask(WM_OPTIONS_STATUS_CHANGED);
}

void ToggleAutoHide(HWND dialog)
{
    if (!newShell) {
        ShowWarning(AUTOHIDE_FIXED_TEXT);
        userVariables.autoHide = 1;
        Check(dialog, IDC_AUTO_HIDE, 1);
        return;
    }
    userVariables.autoHide = Toggled(userVariables.autoHide);
    Check(dialog, IDC_AUTO_HIDE, userVariables.autoHide);
    if (!Ask(WM_OPTIONS_AUTOHIDE_CHANGED)) {
        userVariables.autoHide = Toggled(userVariables.autoHide);
        Check(dialog, IDC_AUTO_HIDE, userVariables.autoHide);
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
    }
}

void ToggleEdge(HWND dialog)
{
    userVariables.dockBottom = Toggled(userVariables.dockBottom);
    Check(dialog, IDC_DOCK_BOTTOM, userVariables.dockBottom);
    if (!Ask(WM_OPTIONS_EDGE_CHANGED)) {
        Check(dialog, IDC_DOCK_BOTTOM, userVariables.dockBottom);
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
    }
}

void Command(HWND dialog, int id)
{
    switch (id) {
    case IDC_ALWAYS_ON_TOP:
        // The check mark is left as the box set it.
        userVariables.alwaysOnTop = Toggled(userVariables.alwaysOnTop);
        Ask(WM_OPTIONS_TOPMOST_CHANGED);
        break;
    case IDC_HOURLY_CHIME:
        // The path is demanded only at OK.
        userVariables.hourlyChime = Toggled(userVariables.hourlyChime);
        Check(dialog, IDC_HOURLY_CHIME, userVariables.hourlyChime);
        break;
    case IDC_BROWSE_SOUND:
        BrowseForFile(BROWSE_WAV, dialog);
        break;
    case IDC_AUTO_HIDE:
        ToggleAutoHide(dialog);
        break;
    case IDC_TEST_SOUND:
        TestSound(dialog);
        break;
    case IDC_SHOW_DATE:
        ToggleStatusPart(dialog, id, userVariables.showDate);
        break;
    case IDC_SHOW_FREE_MEMORY:
        ToggleStatusPart(dialog, id, userVariables.showFreeMemory);
        break;
    case IDC_DOCK_BOTTOM:
        ToggleEdge(dialog);
        break;
    case IDC_SHOW_TIME:
        ToggleStatusPart(dialog, id, userVariables.showTime);
        break;
    case IDC_SHOW_USER_NAME:
        ToggleStatusPart(dialog, id, userVariables.showUserName);
        break;
    }
}

}  // namespace

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        Init(dialog);
        return TRUE;
    case WM_COMMAND:
        if (wParam == IDOK) return Ok(dialog);
        // Esc (IDCANCEL) falls through to nothing: there is no Cancel.
        if (HIWORD(wParam) == 0) Command(dialog, LOWORD(wParam));
        return FALSE;
    }
    return FALSE;
}
