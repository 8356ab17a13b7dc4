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

// DirectoryFromModulePath: the text before the last backslash, with it for a
// drive's root ("E:\\": "E:" is that drive's current folder). Returns 0 when
// the path has none or the directory does not fit.
int DirectoryFromModulePath(char* directory, size_t size, const char* modulePath);

// ProgramFilePath: the file's full path in the program's directory; a name
// with its own drive or root stays as it is. The process's current folder is
// never used: file dialogs and shortcuts move it. 0 when it does not fit.
int ProgramFilePath(char* path, size_t size, const char* directory, const char* name);
