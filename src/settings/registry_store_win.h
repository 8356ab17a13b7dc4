// registry_store_win.h: the options record in HKEY_CURRENT_USER.
#pragma once
#include <windows.h>

#include "settings/user_variables.h"

void LoadUserVariables(const CommandLineSwitches& switches);
void InstallDefaultUserVariables(HKEY key);
// SaveUserVariables: 1 when the record is stored (or, after a start-up
// without the registry, nothing changed); the caller warns otherwise.
int SaveUserVariables();
