#include "native_platform.h"

#include <unistd.h>

#include <cstdio>

#include "shell/messages.h"
#include "shell/platform.h"
#include "shell/text.h"

namespace {
std::vector<RecordedBox> boxes;
std::string windowsDirectory = "C:\\WINDOWS";
}

std::vector<RecordedBox> TakeRecordedBoxes()
{
    std::vector<RecordedBox> taken;
    taken.swap(boxes);
    return taken;
}

void SetNativeWindowsDirectory(const std::string& directory) { windowsDirectory = directory; }

int ShowWarning(const char* text)
{
    boxes.push_back({false, text});
    return 1;
}

void FatalError(const char* text) { boxes.push_back({true, text}); }

int SetCurrentDirectoryText(const char* directory) { return chdir(directory) == 0; }

void GetWindowsDirectoryText(char* buffer, size_t size) { CopyTextN(buffer, size, windowsDirectory.c_str()); }

int ReplaceFileText(const char* source, const char* target) { return std::rename(source, target) == 0; }
