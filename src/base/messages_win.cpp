#include <windows.h>

#include "base/messages.h"
#include "base/process_state_win.h"
#include "base/texts.h"

int ShowWarning(const char* text) { return MessageBoxA(barWindowHandle, text, WARNING_CAPTION, MB_ICONEXCLAMATION); }

void ShowFatalBox(const char* text) { MessageBoxA(nullptr, text, FATAL_CAPTION, MB_ICONHAND); }
