// win_driver.h: drives a real DeskRail.exe from another Wine process, or
// answers the boxes of this one: windows, boxes, dialogs, registry, files,
// input and the shell's strips.
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
// FindBoxes: the shown boxes of a process (0: of any).
std::vector<Box> FindBoxes(DWORD processId);
void PressOk(const Box& box);

std::string WindowText(HWND window);
HWND FindProcessWindow(DWORD processId, const char* className, const char* title);
// WaitForDialog: a shown dialog, not a box, owned by that window.
HWND WaitForDialog(HWND owner);

// The controls of a dialog, in any process. Press posts the command a push
// button sends (it may open a modal window); Click clicks a check or radio box.
std::vector<std::string> ListLines(HWND dialog, int listId);
void SelectLine(HWND dialog, int listId, int line);
void SetItemText(HWND dialog, int id, const std::string& text);
void Press(HWND dialog, int id);
void Click(HWND dialog, int id);
bool Checked(HWND dialog, int id);

// BarProcess: one started program; killed if it still runs at the end.
class BarProcess {
public:
    BarProcess() = default;
    BarProcess(const BarProcess&) = delete;
    BarProcess& operator=(const BarProcess&) = delete;
    ~BarProcess();
    // Start: the program with a command-line tail, in its own folder.
    bool Start(const std::string& exe, const std::string& arguments);
    DWORD Id() const { return processId; }
    // NextBox: waits for a box of this process, reads it and presses OK.
    bool NextBox(Box& box, DWORD timeoutMs = 5000);
    bool ExpectNoBox(DWORD timeoutMs = 300);
    HWND WaitForBar(DWORD timeoutMs = 5000);
    bool Close();  // WM_CLOSE to the bar
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 5000);
    bool Running() const;

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

// The folder of the running test program, where the programs are built.
std::string ModuleDirectory();
// InstallBar: copies DeskRail.exe into the folder; returns its new path.
std::string InstallBar(const std::string& folder);

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes);
bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
bool FileExists(const std::string& path);

// Values under HKEY_CURRENT_USER; the bar's keys hold values only.
bool ReadRegistryValue(const std::string& key, const char* value, std::vector<unsigned char>& bytes);
bool WriteRegistryBinary(const std::string& key, const char* value, const std::vector<unsigned char>& bytes);
void DeleteRegistryKey(const std::string& key);

// WindowsVersionOverride: Wine reports that Windows version ("nt351",
// "win95", ...) to programs of that name while it lives.
class WindowsVersionOverride {
public:
    WindowsVersionOverride(const char* exeName, const char* version);
    ~WindowsVersionOverride();

private:
    std::string key;
};

// BoxWatcher: answers the boxes of a process (by default this one) from a
// thread of its own, as a user pressing OK, and records them.
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

// Input as the user gives it (SendInput reaches the window under the pointer
// and the hot keys).
void MoveMouse(int x, int y);
// PressKeys: presses the virtual keys in order, releases them in reverse.
void PressKeys(std::initializer_list<WORD> keys);

RECT WindowRect(HWND window);
// StripEdge: where another program's strip at that edge may begin (top) or
// end (bottom), as the shell answers ABM_QUERYPOS for the whole screen.
int StripEdge(UINT edge);

}  // namespace driver
