#include <windows.h>

#include "base/messages.h"
#include "base/messages_win.h"
#include "base/texts.h"

void LoadDialogControls()
{
    static bool loaded;
    if (!loaded) loaded = LoadLibraryA("comctl32.dll") != nullptr;
}

namespace {
HWND boxOwner;  // the bar whose windows own the boxes; null before it exists and after its end
}  // namespace

void SetBoxOwner(HWND bar) { boxOwner = bar; }

HWND EnabledBarWindow()
{
    HWND bar = boxOwner;
    if (!bar) return nullptr;
    // The bar's dialogs are its popups; the one active last is the one open on top.
    HWND popup = GetLastActivePopup(bar);
    if (popup && IsWindowEnabled(popup) && IsWindowVisible(popup)) return popup;
    return IsWindowEnabled(bar) ? bar : nullptr;
}

int ShowWarning(const char* text)
{
    LoadDialogControls();
    HWND owner = EnabledBarWindow();
    // No enabled window of the bar: a box owned by a disabled one would enable
    // it when it closes, under the dialog that disabled it.
    UINT modality = owner || !boxOwner ? MB_APPLMODAL : MB_TASKMODAL;
    return MessageBoxA(owner, text, WARNING_CAPTION, MB_ICONEXCLAMATION | modality);
}

void ShowFatalBox(const char* text)
{
    LoadDialogControls();
    MessageBoxA(nullptr, text, FATAL_CAPTION, MB_ICONHAND);
}
