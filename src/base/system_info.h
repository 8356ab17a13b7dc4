// system_info.h: what start-up concludes from the system's answers.
#pragma once
#include <cstddef>
#include <cstdint>

struct SystemFlags {
    bool runs;                  // false: this system cannot run the bar
    bool newShell;              // the shell offers application desktop toolbars
    bool powerStatusAvailable;  // the power status may be asked
};

// ClassifyVersion: from the value GetVersion returns.
SystemFlags ClassifyVersion(uint32_t version);

// DirectoryFromModulePath: the text before the last backslash. Returns 0 when
// the path has none or the directory does not fit.
int DirectoryFromModulePath(char* directory, size_t size, const char* modulePath);
