#include "settings/registry_store_win.h"

#include <cstring>

#include "base/messages.h"
#include "base/text.h"
#include "base/texts.h"
#include "base/handles_win.h"

namespace {

const char VALUE_NAME[] = "User_Variables";

bool WriteRecord(HKEY key, const UserVariables& record)
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

// Without the registry at start-up the stored record is unknown: the end
// writes only what the user changed, never the defaults over it.
bool registryReached;
UserVariables recordAtStart;

void InstallDefaults(HKEY key, UserVariables& options, const char* user)
{
    char welcome[400];
    FormatWelcomeText(welcome, sizeof welcome, user);
    ShowWarning(welcome);
    SetDefaultUserVariables(options);
    if (!WriteRecord(key, options)) ShowWarning(REGISTRY_SAVE_FAILED_TEXT);
}

}  // namespace

void LoadUserVariables(UserVariables& options, const CommandLineSwitches& switches, bool autoHideFixed,
                       const char* user, char (&profileName)[PROFILE_FILE_NAME_SIZE])
{
    char keyName[USER_KEY_NAME_SIZE];
    FormatUserKeyName(keyName, sizeof keyName, user);
    if (!profileName[0]) CopyText(profileName, DEFAULT_PROFILE_NAME);

    RegistryKey key;
    if (!key.OpenOrCreate(keyName)) {
        ShowWarning(REGISTRY_ACCESS_FAILED_TEXT);
        SetDefaultUserVariables(options);
        if (user[0])
            FormatTextN(profileName, sizeof profileName, PROFILE_NAME_FORMAT, user);
        else
            CopyText(profileName, DEFAULT_PROFILE_NAME);
        registryReached = false;
        recordAtStart = options;
        return;
    }
    registryReached = true;

    bool current = false;
    if (key.disposition == REG_OPENED_EXISTING_KEY) {
        current = ReadRecord(key.handle, options);
        if (!current)
            ShowWarning(REGISTRY_OUTDATED_TEXT);
    }
    if (!current) InstallDefaults(key.handle, options, user);

    ApplySwitches(options, switches);
    if (autoHideFixed) options.autoHide = 1;
}

int SaveUserVariables(const UserVariables& options, const char* user)
{
    if (!registryReached && std::memcmp(&options, &recordAtStart, sizeof options) == 0) return 1;
    char keyName[USER_KEY_NAME_SIZE];
    FormatUserKeyName(keyName, sizeof keyName, user);
    RegistryKey key;
    if (!key.OpenOrCreate(keyName)) return 0;
    UserVariables stored;
    if (registryReached || !ReadRecord(key.handle, stored)) return WriteRecord(key.handle, options);
    MergeChangedOptions(stored, recordAtStart, options);
    return WriteRecord(key.handle, stored);
}
