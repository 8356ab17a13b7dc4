#include "settings/user_variables.h"

#include <cstring>

#include "base/text.h"
#include "base/texts.h"

// The options of this run; every floor above reads them directly.

void SetDefaultUserVariables(UserVariables& options)
{
    std::memset(&options, 0, sizeof options);
    options.alwaysOnTop = 1;
    options.showFreeMemory = 1;
    options.autoHide = 1;
    options.showTime = 1;
}

void FormatUserKeyName(char* keyName, size_t size, const char* user)
{
    FormatTextN(keyName, size, "Software\\DeskRail\\%s", user && *user ? user : "Default");
}

int32_t* SwitchField(CommandLineSwitches& switches, char letter)
{
    switch (letter) {
    case 's': return &switches.alwaysOnTop;
    case 'c': return &switches.hourlyChime;
    case 'd': return &switches.showDate;
    case 'm': return &switches.showFreeMemory;
    case 'b': return &switches.dockBottom;
    case 'a': return &switches.autoHide;
    case 't': return &switches.showTime;
    case 'u': return &switches.showUserName;
    default: return nullptr;
    }
}

namespace {
struct FlagPair {
    uint32_t UserVariables::*flag;
    int32_t CommandLineSwitches::*override;
};
const FlagPair flagPairs[] = {
    {&UserVariables::alwaysOnTop, &CommandLineSwitches::alwaysOnTop},
    {&UserVariables::hourlyChime, &CommandLineSwitches::hourlyChime},
    {&UserVariables::showDate, &CommandLineSwitches::showDate},
    {&UserVariables::showFreeMemory, &CommandLineSwitches::showFreeMemory},
    {&UserVariables::dockBottom, &CommandLineSwitches::dockBottom},
    {&UserVariables::autoHide, &CommandLineSwitches::autoHide},
    {&UserVariables::showTime, &CommandLineSwitches::showTime},
    {&UserVariables::showUserName, &CommandLineSwitches::showUserName},
};
}

void ApplySwitches(UserVariables& options, const CommandLineSwitches& switches)
{
    for (const FlagPair& pair : flagPairs) {
        int32_t value = switches.*pair.override;
        if (value > 0)
            options.*pair.flag = 1;
        else if (value < 0)
            options.*pair.flag = 0;
    }
}

void MergeChangedOptions(UserVariables& stored, const UserVariables& before, const UserVariables& now)
{
    for (const FlagPair& pair : flagPairs)
        if (now.*pair.flag != before.*pair.flag) stored.*pair.flag = now.*pair.flag;
    if (std::memcmp(now.chimeSound, before.chimeSound, sizeof now.chimeSound) != 0)
        std::memcpy(stored.chimeSound, now.chimeSound, sizeof now.chimeSound);
}

void FormatWelcomeText(char* text, size_t size, const char* user)
{
    bool named = user && *user;
    FormatTextN(text, size, WELCOME_FORMAT, named ? ", " : "", named ? user : "", DESKRAIL_CONTACT);
}
