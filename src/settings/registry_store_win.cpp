#include "settings/registry_store_win.h"

#include "base/messages.h"
#include "base/process_state.h"
#include "base/text.h"
#include "base/texts.h"
#include "base/handles_win.h"

namespace {

const char VALUE_NAME[] = "User_Variables";

bool WriteRecord(HKEY key)
{
    return RegSetValueExA(key, VALUE_NAME, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&userVariables),
                          sizeof userVariables) == ERROR_SUCCESS;
}

void CurrentKeyName(char* keyName, size_t size) { FormatUserKeyName(keyName, size, userName); }

}  // namespace

void InstallDefaultUserVariables(HKEY key)
{
    char welcome[400];
    FormatWelcomeText(welcome, sizeof welcome, userName);
    ShowWarning(welcome);
    SetDefaultUserVariables(userVariables);
    if (!WriteRecord(key)) ShowWarning(REGISTRY_SAVE_FAILED_TEXT);
}

void LoadUserVariables(const CommandLineSwitches& switches)
{
    char keyName[USER_KEY_NAME_SIZE];
    CurrentKeyName(keyName, sizeof keyName);
    if (!profileFileName[0]) CopyText(profileFileName, "deskrail.default");

    RegistryKey key;
    if (!key.OpenOrCreate(keyName)) {
        ShowWarning(REGISTRY_ACCESS_FAILED_TEXT);
        SetDefaultUserVariables(userVariables);
        if (userName[0])
            FormatTextN(profileFileName, sizeof profileFileName, "deskrail.%s", userName);
        else
            CopyText(profileFileName, "deskrail.default");
        return;
    }

    bool current = false;
    if (key.disposition == REG_OPENED_EXISTING_KEY) {
        DWORD length = sizeof userVariables;
        LONG result = RegQueryValueExA(key.handle, VALUE_NAME, nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(&userVariables), &length);
        // A missing value reports no length of its own; it is no record either.
        if (result == ERROR_FILE_NOT_FOUND) length = 0;
        current = IsStoredLengthCurrent(length);
        if (!current)
            ShowWarning(REGISTRY_OUTDATED_TEXT);
    }
    if (!current) InstallDefaultUserVariables(key.handle);

    ApplySwitches(userVariables, switches);
    if (!newShell) userVariables.autoHide = 1;
}

void SaveUserVariables()
{
    char keyName[USER_KEY_NAME_SIZE];
    CurrentKeyName(keyName, sizeof keyName);
    RegistryKey key;
    if (!key.OpenOrCreate(keyName) || !WriteRecord(key.handle)) ShowWarning(REGISTRY_SAVE_FAILED_TEXT);
}
