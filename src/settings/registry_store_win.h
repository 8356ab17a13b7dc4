// registry_store_win.h: the options record in HKEY_CURRENT_USER.
#pragma once
#include <windows.h>

#include "base/name_sizes.h"
#include "settings/user_variables.h"

// LoadUserVariables: the user's stored record (the defaults, with a greeting,
// when there is none or an outdated one), the switches over it, and auto-hide
// on where it cannot be switched off (the old shell). A run without a profile
// name gets the default one; a run without the registry the user's own.
void LoadUserVariables(UserVariables& options, const CommandLineSwitches& switches, bool autoHideFixed,
                       const char* user, char (&profileName)[PROFILE_FILE_NAME_SIZE]);
// SaveUserVariables: 1 when the record is stored (or, after a start-up
// without the registry, nothing changed); the caller warns otherwise.
int SaveUserVariables(const UserVariables& options, const char* user);
