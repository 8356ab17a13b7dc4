#include "settings/registry_store_win.h"

#include <cstring>

#include "base/messages.h"
#include "base/process_state.h"
#include "base/text.h"
#include "base/texts.h"
#include "base/handles_win.h"

namespace {

const char VALUE_NAME[] = "User_Variables";

bool WriteRecord(HKEY key, const UserVariables& record = userVariables)
{
    return RegSetValueExA(key, VALUE_NAME, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&record), sizeof record) ==
           ERROR_SUCCESS;
}

// ReadRecord: the stored record, when a whole one was read.
bool ReadRecord(HKEY key, UserVariables& record)
{
    DWORD length = sizeof record;
    LONG result = RegQueryValueExA(key, VALUE_NAME, nullptr, nullptr, reinterpret_cast<BYTE*>(&record), &length);
    // A failed read leaves the buffer untouched whatever length it reports.
    return result == ERROR_SUCCESS && IsStoredLengthCurrent(length);
}

void CurrentKeyName(char* keyName, size_t size) { FormatUserKeyName(keyName, size, userName); }

// Without the registry at start-up the stored record is unknown: the end
// writes only what the user changed, never the defaults over it.
bool registryReached;
UserVariables recordAtStart;

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
    if (!profileFileName[0]) CopyText(profileFileName, DEFAULT_PROFILE_NAME);

    RegistryKey key;
    if (!key.OpenOrCreate(keyName)) {
        ShowWarning(REGISTRY_ACCESS_FAILED_TEXT);
        SetDefaultUserVariables(userVariables);
        if (userName[0])
            FormatTextN(profileFileName, sizeof profileFileName, PROFILE_NAME_FORMAT, userName);
        else
            CopyText(profileFileName, DEFAULT_PROFILE_NAME);
        registryReached = false;
        recordAtStart = userVariables;
        return;
    }
    registryReached = true;

    bool current = false;
    if (key.disposition == REG_OPENED_EXISTING_KEY) {
        current = ReadRecord(key.handle, userVariables);
        if (!current)
            ShowWarning(REGISTRY_OUTDATED_TEXT);
    }
    if (!current) InstallDefaultUserVariables(key.handle);

    ApplySwitches(userVariables, switches);
    if (!newShell) userVariables.autoHide = 1;
}

int SaveUserVariables()
{
    if (!registryReached && std::memcmp(&userVariables, &recordAtStart, sizeof userVariables) == 0) return 1;
    char keyName[USER_KEY_NAME_SIZE];
    CurrentKeyName(keyName, sizeof keyName);
    RegistryKey key;
    if (!key.OpenOrCreate(keyName)) return 0;
    UserVariables stored;
    if (registryReached || !ReadRecord(key.handle, stored)) return WriteRecord(key.handle);
    MergeChangedOptions(stored, recordAtStart, userVariables);
    return WriteRecord(key.handle, stored);
}
