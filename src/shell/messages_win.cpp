#include <cstdio>

#include "shell/bar_state_win.h"
#include "shell/messages.h"

int ShowWarning(const char* text)
{
    return MessageBoxA(barWindowHandle, text, "DeskRail", MB_ICONEXCLAMATION);
}

void FatalError(const char* text)
{
    MessageBoxA(nullptr, text, "Schwerer Fehler in DeskRail aufgetreten!", MB_ICONHAND);
    _fcloseall();
    ExitBar(1);
    PostQuitMessage(-1);
}
