// win_driver.h: drives a real DeskRail.exe from another Wine process, or
// answers the boxes of this one: boxes, dialogs, files, registry, input and
// the shell's strips.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace driver {

// WaitFor: polls a condition until it holds or the time is up.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 5000)
{
    for (DWORD start = GetTickCount();; Sleep(10)) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
    }
}

// Box: a message box (#32770 with texts and push buttons only); its text is
// the longest static.
struct Box {
    HWND window = nullptr;
    std::string caption, text;
};
Box ReadBox(HWND window);
std::vector<Box> FindBoxes(DWORD processId);  // 0: of any process
void PressOk(const Box& box);

// BoxWatcher: answers the boxes of a process (by default this one) from a
// thread of its own, as a user pressing OK, and records them.
class BoxWatcher {
public:
    explicit BoxWatcher(DWORD processId = GetCurrentProcessId());
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
    std::vector<Box> Take();  // answered so far, oldest first; clears the record

private:
    static DWORD WINAPI Run(LPVOID self);
    DWORD processId;
    HANDLE thread = nullptr;
    volatile LONG stop = 0;
    CRITICAL_SECTION lock;
    std::vector<Box> answered;
};

std::string WindowText(HWND window);
HWND FindProcessWindow(DWORD processId, const char* className, const char* title);
// DialogOwnedBy: waits for a shown dialog, not a box, owned by that window.
HWND DialogOwnedBy(HWND owner);
// The controls of a dialog in any process. PressButton posts what a push
// button sends (it may open a modal window); ClickBox clicks a check or radio box.
std::vector<std::string> ListOf(HWND dialog, int listId);
void ChooseLine(HWND dialog, int listId, int line);
void TypeInto(HWND dialog, int id, const std::string& text);
void PressButton(HWND dialog, int id);
void ClickBox(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);

// BarProcess: one started program, killed if it still runs at the end.
class BarProcess {
public:
    ~BarProcess();
    bool Start(const std::string& exe, const std::string& arguments);  // in the program's folder
    DWORD Id() const { return info.dwProcessId; }
    // NextBox: waits for a box of this process, reads it and presses OK.
    bool NextBox(Box& box, DWORD timeoutMs = 5000);
    bool ExpectNoBox() { return !WaitFor([&] { return !FindBoxes(Id()).empty(); }, 300); }
    HWND WaitForBar();
    bool Close();  // WM_CLOSE to the bar
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 5000);

private:
    PROCESS_INFORMATION info = {};
};

// TempDir: a fresh folder under %TEMP%, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "\\" + name; }

private:
    std::string path;
};

// Copy: a program built beside the test program, copied into the folder.
std::string Copy(const char* program, const std::string& folder);
bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes);
bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Values below HKEY_CURRENT_USER; the bar's keys hold values only.
bool ReadRegistryValue(const std::string& key, const char* value, std::vector<unsigned char>& bytes);
bool WriteRegistryValue(const std::string& key, const char* value, DWORD type, const void* data, DWORD size);
inline void DeleteRegistryKey(const std::string& key) { RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

// WindowsVersionOverride: Wine reports that Windows version ("nt351",
// "win95", ...) to programs of that name while it lives.
struct WindowsVersionOverride {
    WindowsVersionOverride(const char* exeName, const char* version)
        : key(std::string("Software\\Wine\\AppDefaults\\") + exeName)
    {
        WriteRegistryValue(key, "Version", REG_SZ, version, lstrlenA(version) + 1);
    }
    ~WindowsVersionOverride() { DeleteRegistryKey(key); }
    std::string key;
};

// Input as the user gives it: SendInput reaches the window under the pointer
// and the hot keys. PressKeys presses in order and releases in reverse.
void MoveMouse(int x, int y);
void PressKeys(std::initializer_list<WORD> keys);

RECT WindowRect(HWND window);
// StripEdge: where another program's strip at that edge may begin (top) or
// end (bottom), as the shell answers ABM_QUERYPOS for the whole screen.
int StripEdge(UINT edge);

}  // namespace driver
