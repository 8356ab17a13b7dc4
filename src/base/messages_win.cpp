#include <windows.h>

#include "base/messages.h"
#include "base/process_state_win.h"
#include "base/texts.h"

void LoadDialogControls()
{
    static bool loaded;
    if (!loaded) loaded = LoadLibraryA("comctl32.dll") != nullptr;
}

int ShowWarning(const char* text)
{
    LoadDialogControls();
    return MessageBoxA(barWindowHandle, text, WARNING_CAPTION, MB_ICONEXCLAMATION);
}

void ShowFatalBox(const char* text)
{
    LoadDialogControls();
    MessageBoxA(nullptr, text, FATAL_CAPTION, MB_ICONHAND);
}
