// options_dialog_win.cpp: the Options dialog. Each check box changes its
// option and asks the bar to change the screen at once; OK only takes the WAV
// path.
#include "settings/options_dialog_win.h"

#include "base/file_dialog_win.h"
#include "base/messages.h"
#include "base/seams_win.h"
#include "base/sound_win.h"
#include "base/text.h"
#include "base/texts.h"
#include "resources/resource.h"

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

// The open dialog's record: one Options dialog runs at a time.
OptionsDialogRecord* openRecord;

void Init(HWND dialog, const UserVariables& options)
{
    // The stored path may fill its field without a terminator.
    char path[sizeof options.chimeSound + 1];
    FieldText(path, options.chimeSound);
    SendMessageA(GetDlgItem(dialog, IDC_CHIME_SOUND), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
    Check(dialog, IDC_HOURLY_CHIME, options.hourlyChime);
    Check(dialog, IDC_SHOW_DATE, options.showDate);
    Check(dialog, IDC_SHOW_FREE_MEMORY, options.showFreeMemory);
    Check(dialog, IDC_ALWAYS_ON_TOP, options.alwaysOnTop);
    Check(dialog, IDC_DOCK_BOTTOM, options.dockBottom);
    Check(dialog, IDC_AUTO_HIDE, options.autoHide);
    Check(dialog, IDC_SHOW_TIME, options.showTime);
    Check(dialog, IDC_SHOW_USER_NAME, options.showUserName);
}

// WavPathTooLong: warns about a path longer than the limit.
bool WavPathTooLong(const char* path)
{
    if (TextLengthN(path, WAV_FIELD_SIZE) <= WAV_PATH_LIMIT) return false;
    ShowWarning(WAV_PATH_TOO_LONG_TEXT);
    return true;
}

// Ok: 1 when the dialog closes, with the path taken.
int Ok(HWND dialog, UserVariables& options)
{
    char path[WAV_FIELD_SIZE];
    ReadWavField(dialog, path);
    if (!path[0] && options.hourlyChime) {
        ShowWarning(NO_WAV_TEXT);
        return 0;
    }
    if (WavPathTooLong(path)) return 0;
    // A chime that cannot play would fail at the full hour, unseen until then.
    if (options.hourlyChime && !WavFilePlayable(path)) {
        ShowWarning(WAV_FAILED_TEXT);
        return 0;
    }
    CopyText(options.chimeSound, path);
    EndDialog(dialog, IDOK);
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

void ToggleStatusPart(HWND dialog, const OptionsDialogRecord& record, int id, uint32_t& flag)
{
    flag = Toggled(flag);
    Check(dialog, id, flag);
    record.bar->showStatusParts(record.options);
}

void ToggleAutoHide(HWND dialog, OptionsDialogRecord& record)
{
    UserVariables& options = record.options;
    if (record.autoHideFixed) {
        ShowWarning(AUTOHIDE_FIXED_TEXT);
        options.autoHide = 1;
        Check(dialog, IDC_AUTO_HIDE, 1);
        return;
    }
    options.autoHide = Toggled(options.autoHide);
    Check(dialog, IDC_AUTO_HIDE, options.autoHide);
    if (!record.bar->autoHide(options.autoHide != 0)) {
        options.autoHide = Toggled(options.autoHide);  // refused: as it was
        Check(dialog, IDC_AUTO_HIDE, options.autoHide);
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
    }
}

void ToggleEdge(HWND dialog, OptionsDialogRecord& record)
{
    UserVariables& options = record.options;
    options.dockBottom = Toggled(options.dockBottom);
    Check(dialog, IDC_DOCK_BOTTOM, options.dockBottom);
    if (!record.bar->dockBottom(options.dockBottom != 0)) {
        options.dockBottom = Toggled(options.dockBottom);  // refused: the bar is back at the old edge
        Check(dialog, IDC_DOCK_BOTTOM, options.dockBottom);
        ShowWarning(AUTOHIDE_REFUSED_TEXT);
    }
}

void Command(HWND dialog, OptionsDialogRecord& record, int id)
{
    UserVariables& options = record.options;
    switch (id) {
    case IDC_ALWAYS_ON_TOP:
        // The check mark is left as the box set it.
        options.alwaysOnTop = Toggled(options.alwaysOnTop);
        record.bar->alwaysOnTop(options.alwaysOnTop != 0);
        break;
    case IDC_HOURLY_CHIME:
        // The path is demanded only at OK.
        options.hourlyChime = Toggled(options.hourlyChime);
        Check(dialog, IDC_HOURLY_CHIME, options.hourlyChime);
        record.bar->hourlyChime(options.hourlyChime != 0);
        break;
    case IDC_BROWSE_SOUND: {
        char path[BROWSED_PATH_SIZE];
        if (!BrowseForFile(BROWSE_WAV, dialog, path)) break;
        SendMessageA(GetDlgItem(dialog, IDC_CHIME_SOUND), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
        SetFocus(GetDlgItem(dialog, IDOK));
        break;
    }
    case IDC_AUTO_HIDE:
        ToggleAutoHide(dialog, record);
        break;
    case IDC_TEST_SOUND:
        TestSound(dialog);
        break;
    case IDC_SHOW_DATE:
        ToggleStatusPart(dialog, record, id, options.showDate);
        break;
    case IDC_SHOW_FREE_MEMORY:
        ToggleStatusPart(dialog, record, id, options.showFreeMemory);
        break;
    case IDC_DOCK_BOTTOM:
        ToggleEdge(dialog, record);
        break;
    case IDC_SHOW_TIME:
        ToggleStatusPart(dialog, record, id, options.showTime);
        break;
    case IDC_SHOW_USER_NAME:
        ToggleStatusPart(dialog, record, id, options.showUserName);
        break;
    }
}

}  // namespace

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        openRecord = reinterpret_cast<OptionsDialogRecord*>(lParam);
        Init(dialog, openRecord->options);
        return TRUE;
    case WM_DESTROY:
        openRecord = nullptr;
        return FALSE;
    case WM_COMMAND: {
        OptionsDialogRecord* record = openRecord;
        if (!record) return FALSE;
        if (wParam == IDOK) return Ok(dialog, record->options);
        // Esc (IDCANCEL) falls through to nothing: there is no Cancel.
        if (HIWORD(wParam) == 0) Command(dialog, *record, LOWORD(wParam));
        return FALSE;
    }
    }
    return FALSE;
}
