// native_platform.h: what the native build puts behind the message boxes and
// the operating-system services: it records the boxes so tests can read them.
#pragma once
#include <string>
#include <vector>

struct RecordedBox {
    bool fatal;         // FatalError rather than ShowWarning
    std::string text;
};

// Takes and clears every box shown since the last call.
std::vector<RecordedBox> TakeRecordedBoxes();

// The text GetWindowsDirectoryText hands out (default "C:\WINDOWS").
void SetNativeWindowsDirectory(const std::string& directory);
