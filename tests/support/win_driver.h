// win_driver.h: drives a real DeskRail.exe from another Wine process (or
// watches the current one): its windows, message boxes, registry and files.
#pragma once
#include <windows.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <vector>

namespace driver {

// Box: a message box (dialog class #32770) with its caption and text.
struct Box {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

// WaitFor: polls a condition until it holds or the time is up.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 5000)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(10);
    }
}

// ReadBox: caption and text (the longest static) of a box.
Box ReadBox(HWND window);
// Message boxes of a process (0: of any process), oldest first.
std::vector<Box> FindBoxes(DWORD processId);
// PressOk: clicks the box's OK button.
void PressOk(const Box& box);
// TopLevelWindow: the visible window of that class and title owned by the process.
HWND FindProcessWindow(DWORD processId, const char* className, const char* title);
std::string WindowText(HWND window);

// BarProcess: one started DeskRail.exe.
class BarProcess {
public:
    BarProcess() = default;
    BarProcess(const BarProcess&) = delete;
    BarProcess& operator=(const BarProcess&) = delete;
    ~BarProcess();

    // Start: runs exe with the arguments (a command-line tail) in its directory.
    bool Start(const std::string& exe, const std::string& arguments);
    DWORD Id() const { return processId; }

    // NextBox: waits for a message box of this process, reads it and presses OK.
    bool NextBox(Box& box, DWORD timeoutMs = 5000);
    // ExpectNoBox: true when no box appears within the time.
    bool ExpectNoBox(DWORD timeoutMs = 300);
    // WaitForBar: the process's bar window ("DRClass", "DeskRail"), or null.
    HWND WaitForBar(DWORD timeoutMs = 5000);
    // Close: WM_CLOSE to the bar, the ordinary way to end it.
    bool Close();
    // WaitForExit: true and the exit code when the process ended in time.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 5000);
    bool Running() const;
    void Kill();

private:
    HANDLE process = nullptr;
    DWORD processId = 0;
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

// The folder of the running test program (where DeskRail.exe is built).
std::string ModuleDirectory();
// InstallBar: copies DeskRail.exe into the folder; returns its new path.
std::string InstallBar(const std::string& folder);

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes);
bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
bool FileExists(const std::string& path);

// Registry under HKEY_CURRENT_USER.
bool ReadRegistryValue(const std::string& key, const char* value, std::vector<unsigned char>& bytes);
bool WriteRegistryBinary(const std::string& key, const char* value, const std::vector<unsigned char>& bytes);
bool RegistryKeyExists(const std::string& key);
void DeleteRegistryKey(const std::string& key);

// WindowsVersionOverride: makes Wine report another Windows version to
// programs of that name ("nt351", "nt40", "win95", "win31") while it lives.
class WindowsVersionOverride {
public:
    WindowsVersionOverride(const char* exeName, const char* version);
    ~WindowsVersionOverride();

private:
    std::string key;
};

}  // namespace driver

namespace driver {

// BoxWatcher: answers the message boxes of a process (by default this one)
// from a thread of its own, recording caption and text, so code under test
// that shows a box goes on as if a user had pressed OK.
class BoxWatcher {
public:
    explicit BoxWatcher(DWORD processId = GetCurrentProcessId());
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
    // Boxes answered so far, oldest first; Take clears the record.
    std::vector<Box> Take();

private:
    static DWORD WINAPI Run(LPVOID self);
    DWORD processId;
    HANDLE thread = nullptr;
    volatile LONG stop = 0;
    CRITICAL_SECTION lock;
    std::vector<Box> answered;
};

}  // namespace driver

namespace driver {

// Input as the user gives it, through SendInput (Wine delivers it to the
// window under the pointer, hot keys included).
void MoveMouse(int x, int y);
void RightClick(int x, int y);
// PressKeys: presses the virtual keys in order, releases them in reverse.
void PressKeys(std::initializer_list<WORD> keys);

// WindowTop: the top edge of a window, or INT_MIN when it is gone.
int WindowTop(HWND window);
// TopBecomes: the window's top edge reaches that value in time.
bool TopBecomes(HWND window, int top, DWORD timeoutMs = 2000);

// StripEdge: where another program's strip at that edge may begin (top edge)
// or end (bottom edge), as the shell answers ABM_QUERYPOS for the whole screen.
int StripEdge(UINT edge);

}  // namespace driver
