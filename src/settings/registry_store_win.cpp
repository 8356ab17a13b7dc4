#include "settings/registry_store_win.h"

#include "shell/bar_state.h"
#include "shell/messages.h"
#include "shell/text.h"

namespace {

const char VALUE_NAME[] = "User_Variables";
const char SAVE_FAILED_TEXT[] =
    "Beim Sichern der Benutzer-Optionen in die\nWindows-Registrierungsdatei trat ein Fehler auf!";

// RegistryKey: a key that closes itself.
struct RegistryKey {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (handle) RegCloseKey(handle);
    }
    bool OpenOrCreate(const char* name)
    {
        return RegCreateKeyExA(HKEY_CURRENT_USER, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                               nullptr, &handle, &disposition) == ERROR_SUCCESS;
    }
};

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
    if (!WriteRecord(key)) ShowWarning(SAVE_FAILED_TEXT);
}

void LoadUserVariables(const CommandLineSwitches& switches)
{
    char keyName[USER_KEY_NAME_SIZE];
    CurrentKeyName(keyName, sizeof keyName);
    if (!profileFileName[0]) CopyText(profileFileName, "deskrail.default");

    RegistryKey key;
    if (!key.OpenOrCreate(keyName)) {
        ShowWarning("Fehler beim Zugriff auf die Windows-Registrierungsdatei!\nDas Standard-Setup wird benutzt.");
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
            ShowWarning("Veraltete Registrierungsinformationen gefunden.\n"
                        "Diese werden mit den Standarddaten überschrieben.");
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
    if (!key.OpenOrCreate(keyName) || !WriteRecord(key.handle)) ShowWarning(SAVE_FAILED_TEXT);
}
