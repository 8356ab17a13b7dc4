// win_driver.h: drives a real DeskRail.exe from another Wine process, or
// answers the boxes of this one: boxes, dialogs, files, registry, input and
// the shell's strips.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace driver {

using Lines = std::vector<std::string>;

// Seam: a field of the program's Seams given a test's stand-in until the end of the scope.
template <typename Function>
struct Seam {
    Function& slot;
    const Function real;
    Seam(Function& at, Function with) : slot(at), real(at) { at = with; }
    ~Seam() { slot = real; }
};

// WaitFor: polls a condition until it holds or the time is up (generous: a
// loaded machine starts a Wine process in seconds).
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 15000)
{
    for (DWORD start = GetTickCount();; Sleep(10)) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
    }
}

inline std::string WindowText(HWND window)
{
    // With a time limit: a hung program must not hang the test.
    char text[1024] = "";
    DWORD_PTR result;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &result);
    return text;
}

inline std::string ClassOf(HWND window)
{
    char name[64] = "";
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

// TopWindows: the top-level windows of a process (0: any) and class, the
// shown ones only or all of them, oldest first.
inline std::vector<HWND> TopWindows(DWORD processId, const char* className, bool shownOnly = true)
{
    std::vector<HWND> found;
    DWORD process = 0;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT))
        if ((!shownOnly || IsWindowVisible(window)) && ClassOf(window) == className &&
            (!processId || (GetWindowThreadProcessId(window, &process), process == processId)))
            found.insert(found.begin(), window);
    return found;
}

// Box: a message box (#32770 with texts and push buttons only); its text is
// the longest static. A dialog with other controls reads as no box (window null).
struct Box {
    HWND window = nullptr;
    std::string caption, text;
};

inline Box ReadBox(HWND window)
{
    Box box = {window, WindowText(window), ""};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (ClassOf(child) == "Static" && WindowText(child).size() > box.text.size()) box.text = WindowText(child);
        else if (ClassOf(child) != "Static" && (ClassOf(child) != "Button" || kind > BS_DEFPUSHBUTTON))
            box.window = nullptr;
    }
    return box;
}

// FirstBox: the oldest shown box of a process (0: any), or null.
inline HWND FirstBox(DWORD processId)
{
    for (HWND window : TopWindows(processId, "#32770"))
        if (ReadBox(window).window) return window;
    return nullptr;
}

// The controls of a dialog in any process. PressButton posts what a push
// button sends (it may open a modal window); ClickBox clicks a check or radio
// box. BM_GETCHECK and the like work across processes as they are.
inline void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

inline void ClickBox(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

inline void ChooseLine(HWND dialog, int listId, int line)
{
    SendMessageA(GetDlgItem(dialog, listId), LB_SETCURSEL, line, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), LPARAM(GetDlgItem(dialog, listId)));
}

inline std::vector<std::string> ListOf(HWND dialog, int listId)
{
    // Across processes Wine hands list texts out in UTF-16 only.
    HWND list = GetDlgItem(dialog, listId);
    std::vector<std::string> lines;
    for (LRESULT i = 0, count = SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
        wchar_t wide[300] = L"";
        char text[300] = "";
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        lines.push_back(text);
    }
    return lines;
}

// DialogOwnedBy: waits for a shown dialog, not a box, owned by that window.
inline HWND DialogOwnedBy(HWND owner)
{
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND window : TopWindows(0, "#32770"))
            if (GetWindow(window, GW_OWNER) == owner && !ReadBox(window).window) found = window;
        return found != nullptr;
    });
    // Answered once its thread is back in its message loop, past the dialog's set-up.
    if (found) SendMessageTimeoutA(found, WM_NULL, 0, 0, SMTO_NORMAL, 15000, nullptr);
    return found;
}

// ShownBox: waits for a box of the process and reads it; PressOk answers it.
inline bool ShownBox(DWORD processId, Box& box, DWORD timeoutMs = 15000)
{
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = FirstBox(processId)) != nullptr; }, timeoutMs)) return false;
    // The text is set after the window shows; a box gone meanwhile is none.
    WaitFor([&] { return !(box = ReadBox(window)).text.empty() || !IsWindow(window); });
    return !box.text.empty();
}

inline void PressOk(const Box& box)
{
    PressButton(box.window, IDOK);
    WaitFor([&] { return !IsWindow(box.window); });
}

// BoxWatcher: answers the boxes of a process (by default this one) from a
// thread of its own, as a user pressing OK, and records them.
class BoxWatcher {
public:
    explicit BoxWatcher(DWORD processId = GetCurrentProcessId())
        : thread([this, processId] {
              for (Box box; !stop;) {
                  if (!ShownBox(processId, box, 50)) continue;
                  lock.lock();
                  answered.push_back(box);
                  lock.unlock();
                  PressOk(box);  // recorded first: the caller reads the record once its box returned
              }
          })
    {
    }
    ~BoxWatcher()
    {
        stop = true;
        thread.join();
    }
    // Take: the boxes answered so far, oldest first; clears the record.
    std::vector<Box> Take()
    {
        std::lock_guard<std::mutex> hold(lock);
        return std::move(answered);
    }
    Lines Texts()
    {
        Lines texts;
        for (const Box& box : Take()) texts.push_back(box.text);
        return texts;
    }

private:
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::vector<Box> answered;
    std::thread thread;  // last: it starts once the rest is made
};

// BarProcess: one started program (in its folder), killed if it still runs at the end.
class BarProcess {
public:
    ~BarProcess()
    {
        if (!info.hProcess) return;
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hProcess);
    }
    bool Start(const std::string& exe, const std::string& arguments, std::string folder = "")
    {
        std::string line = "\"" + exe + "\" " + arguments;
        if (folder.empty()) folder = exe.substr(0, exe.find_last_of('\\'));
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                            &info))
            return false;
        CloseHandle(info.hThread);
        return true;
    }
    DWORD Id() const { return info.dwProcessId; }
    // NextBox: waits for a box of this process, reads it and presses OK.
    bool NextBox(Box& box)
    {
        if (!ShownBox(Id(), box)) return false;
        PressOk(box);
        return true;
    }
    bool ExpectNoBox() { return !WaitFor([&] { return FirstBox(Id()) != nullptr; }, 300); }
    HWND Bar() const
    {
        for (HWND window : TopWindows(Id(), "DRClass", false))
            if (WindowText(window) == "DeskRail") return window;
        return nullptr;
    }
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 15000)
    {
        return WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(info.hProcess, &exitCode);
    }

private:
    PROCESS_INFORMATION info = {};
};

// TempDir: a fresh folder under %TEMP%, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        static LONG counter;
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        do path = base + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(InterlockedIncrement(&counter));
        while (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);  // an earlier run's
    }
    ~TempDir()
    {
        std::string from = path + '\0';  // a list of one
        const FILEOP_FLAGS quiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        SHFILEOPSTRUCTA remove = {nullptr, FO_DELETE, from.c_str(), nullptr, quiet, FALSE, nullptr, nullptr};
        SHFileOperationA(&remove);
    }
    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "\\" + name; }

private:
    std::string path;
};

// Copy: a program built beside the test program, copied into the folder.
inline std::string Copy(const char* program, const std::string& folder)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    PathRemoveFileSpecA(self);
    std::string target = folder + "\\" + program;
    CopyFileA((self + ("\\" + std::string(program))).c_str(), target.c_str(), FALSE);
    return target;
}

// ReadFileBytes: shares the file every way, so a program replacing it meanwhile
// (a save moves its new file over the old one) is not refused.
inline bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes.clear(), false;
    DWORD read = 0;
    bytes.resize(GetFileSize(file, nullptr));
    bool whole = bytes.empty() || (ReadFile(file, bytes.data(), bytes.size(), &read, nullptr) && read == bytes.size());
    CloseHandle(file);
    return whole;
}

inline bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    return file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size()).flush().good();
}

// Below HKEY_CURRENT_USER; a key goes with its subkeys.
inline bool WriteRegistryValue(const std::string& key, const char* value, DWORD type, const void* data, DWORD size)
{
    return SHSetValueA(HKEY_CURRENT_USER, key.c_str(), value, type, data, size) == ERROR_SUCCESS;
}

inline void DeleteRegistryKey(const std::string& key) { SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

// Input as the user gives it, reaching the window under the pointer and the
// hot keys. PressKeys presses in order and releases in reverse.
inline void MoveMouse(int x, int y)
{
    int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
    mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, (x * 65535 + width / 2) / width,
                (y * 65535 + height / 2) / height, 0, 0);
}

inline void PressKeys(std::initializer_list<WORD> keys)
{
    for (WORD key : keys) keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        keybd_event(static_cast<BYTE>(*key), 0, KEYEVENTF_KEYUP, 0);
}

inline RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Below: the window stands somewhere under the other one in the z-order.
inline bool Below(HWND lower, HWND upper)
{
    return (upper = GetWindow(upper, GW_HWNDNEXT)) && (upper == lower || Below(lower, upper));
}

// StripEdge: where another program's strip at that edge may begin (top) or
// end (bottom), as the shell answers ABM_QUERYPOS for the whole screen.
inline int StripEdge(UINT edge)
{
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    APPBARDATA data = {sizeof data, nullptr, 0, edge, screen, 0};
    SHAppBarMessage(ABM_QUERYPOS, &data);
    return edge == ABE_TOP ? data.rc.top : data.rc.bottom;
}

}  // namespace driver
