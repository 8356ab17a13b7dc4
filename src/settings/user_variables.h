// user_variables.h: the options record, its defaults and the rules around its
// registry key and the command-line overrides.
#pragma once
#include <cstddef>
#include <cstdint>

// Stored as REG_BINARY exactly as it lies in memory: 160 bytes, no padding.
struct UserVariables {
    uint32_t alwaysOnTop;
    uint32_t hourlyChime;
    uint32_t showDate;
    uint32_t showFreeMemory;
    uint32_t dockBottom;
    uint32_t autoHide;
    uint32_t showTime;
    uint32_t showUserName;
    char chimeSound[128];
};
static_assert(sizeof(UserVariables) == 160, "the stored record is 160 bytes");
static_assert(offsetof(UserVariables, chimeSound) == 32, "flags first, then the path");

// Same shape; each flag is +1 (switch given with "+"), -1 (with "-") or 0.
struct CommandLineSwitches {
    int32_t alwaysOnTop;
    int32_t hourlyChime;
    int32_t showDate;
    int32_t showFreeMemory;
    int32_t dockBottom;
    int32_t autoHide;
    int32_t showTime;
    int32_t showUserName;
    char chimeSound[128];
};
static_assert(sizeof(CommandLineSwitches) == sizeof(UserVariables), "same shape as the options");

enum { USER_KEY_NAME_SIZE = 64 };

// The profile file of a user, and of a run without a user name.
inline constexpr char PROFILE_NAME_FORMAT[] = "deskrail.%s";
inline constexpr char DEFAULT_PROFILE_NAME[] = "deskrail.default";

// SetDefaultUserVariables: all nine fields to their defaults (path all zero).
void SetDefaultUserVariables(UserVariables& options);

// FormatUserKeyName: "Software\DeskRail\<user>" or "Software\DeskRail\Default".
void FormatUserKeyName(char* keyName, size_t size, const char* user);

// SwitchField: the override a switch letter sets, or null for an unknown letter.
int32_t* SwitchField(CommandLineSwitches& switches, char letter);

// ApplySwitches: +1 turns a flag on, -1 off, 0 leaves it; the path is never touched.
void ApplySwitches(UserVariables& options, const CommandLineSwitches& switches);

// MergeChangedOptions: each field of now that differs from before, onto the
// stored record: a run that never read the stored record changes only what its
// user changed.
void MergeChangedOptions(UserVariables& stored, const UserVariables& before, const UserVariables& now);

// FormatWelcomeText: the first-start greeting, ", <user>" after the product name.
void FormatWelcomeText(char* text, size_t size, const char* user);

// A stored value of any other length is outdated.
inline bool IsStoredLengthCurrent(unsigned long length) { return length == sizeof(UserVariables); }
