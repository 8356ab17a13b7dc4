#include "win_driver.h"

#include <shellapi.h>

#include <cstdio>

namespace driver {

namespace {

struct BoxSearch {
    DWORD processId;
    std::vector<Box>* boxes;
};

BOOL CALLBACK CollectLongestStatic(HWND child, LPARAM param)
{
    char className[32];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        std::string text = WindowText(child);
        std::string* longest = reinterpret_cast<std::string*>(param);
        if (text.size() > longest->size()) *longest = text;
    }
    return TRUE;
}

// A message box holds texts, its icon and push buttons, nothing else; other
// dialogs of the program (check boxes, edits, lists) are no boxes.
BOOL CALLBACK FindNonBoxControl(HWND child, LPARAM param)
{
    char className[32];
    GetClassNameA(child, className, sizeof className);
    LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
    bool boxLike = lstrcmpiA(className, "Static") == 0 ||
                   (lstrcmpiA(className, "Button") == 0 && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON));
    if (boxLike) return TRUE;
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
}

bool IsMessageBox(HWND window)
{
    bool other = false;
    EnumChildWindows(window, FindNonBoxControl, reinterpret_cast<LPARAM>(&other));
    return !other;
}

BOOL CALLBACK CollectBox(HWND window, LPARAM param)
{
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    char className[32];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId && owner != search->processId) return TRUE;
    if (!IsMessageBox(window)) return TRUE;
    search->boxes->push_back(ReadBox(window));
    return TRUE;
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, search->className) != 0) return TRUE;
    if (search->title && WindowText(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

Box ReadBox(HWND window)
{
    Box box;
    box.window = window;
    box.caption = WindowText(window);
    EnumChildWindows(window, CollectLongestStatic, reinterpret_cast<LPARAM>(&box.text));
    return box;
}

std::string WindowText(HWND window)
{
    // With a time limit: a window of a hung program must not hang the test.
    char text[1024] = "";
    DWORD_PTR result;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &result);
    return text;
}

std::vector<Box> FindBoxes(DWORD processId)
{
    std::vector<Box> boxes;
    BoxSearch search = {processId, &boxes};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    return boxes;
}

void PressOk(const Box& box)
{
    // As the OK button's click reaches the box: WM_COMMAND with IDOK.
    HWND ok = GetDlgItem(box.window, IDOK);
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    WaitFor([&] { return !IsWindow(box.window); }, 2000);
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* title)
{
    WindowSearch search = {processId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BarProcess::~BarProcess() { Kill(); }

bool BarProcess::Start(const std::string& exe, const std::string& arguments)
{
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    return true;
}

bool BarProcess::NextBox(Box& box, DWORD timeoutMs)
{
    std::vector<Box> boxes;
    if (!WaitFor([&] { return !(boxes = FindBoxes(processId)).empty(); }, timeoutMs)) return false;
    // Read again once the box has settled; its text is set after creation.
    Sleep(20);
    box = ReadBox(boxes.front().window);
    PressOk(box);
    return true;
}

bool BarProcess::ExpectNoBox(DWORD timeoutMs)
{
    return !WaitFor([&] { return !FindBoxes(processId).empty(); }, timeoutMs);
}

HWND BarProcess::WaitForBar(DWORD timeoutMs)
{
    HWND bar = nullptr;
    WaitFor([&] { return (bar = FindProcessWindow(processId, "DRClass", "DeskRail")) != nullptr; }, timeoutMs);
    return bar;
}

bool BarProcess::Close()
{
    HWND bar = FindProcessWindow(processId, "DRClass", "DeskRail");
    return bar && PostMessageA(bar, WM_CLOSE, 0, 0);
}

bool BarProcess::WaitForExit(DWORD& exitCode, DWORD timeoutMs)
{
    if (!process || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process, &exitCode);
    return true;
}

bool BarProcess::Running() const { return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

void BarProcess::Kill()
{
    if (!process) return;
    if (Running()) {
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
    process = nullptr;
}

namespace {
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}
}  // namespace

TempDir::TempDir()
{
    static LONG counter;
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%sdrtest_%lu_%ld", base, GetCurrentProcessId(), InterlockedIncrement(&counter));
    path = name;
    RemoveTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(path); }

std::string ModuleDirectory()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

std::string InstallBar(const std::string& folder)
{
    std::string target = folder + "\\DeskRail.exe";
    CopyFileA((ModuleDirectory() + "\\DeskRail.exe").c_str(), target.c_str(), FALSE);
    return target;
}

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    unsigned char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return true;
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ReadRegistryValue(const std::string& key, const char* value, std::vector<unsigned char>& bytes)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    DWORD length = 0;
    LONG result = RegQueryValueExA(handle, value, nullptr, nullptr, nullptr, &length);
    if (result == ERROR_SUCCESS) {
        bytes.assign(length, 0);
        result = RegQueryValueExA(handle, value, nullptr, nullptr, bytes.data(), &length);
        bytes.resize(length);
    }
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool WriteRegistryBinary(const std::string& key, const char* value, const std::vector<unsigned char>& bytes)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(handle, value, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool RegistryKeyExists(const std::string& key)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void DeleteRegistryKey(const std::string& key)
{
    // The bar's keys hold values only, no subkeys.
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

WindowsVersionOverride::WindowsVersionOverride(const char* exeName, const char* version)
    : key(std::string("Software\\Wine\\AppDefaults\\") + exeName)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(handle, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(lstrlenA(version) + 1));
        RegCloseKey(handle);
    }
}

WindowsVersionOverride::~WindowsVersionOverride() { RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

}  // namespace driver

namespace driver {

BoxWatcher::BoxWatcher(DWORD id) : processId(id)
{
    InitializeCriticalSection(&lock);
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

BoxWatcher::~BoxWatcher()
{
    InterlockedExchange(&stop, 1);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    DeleteCriticalSection(&lock);
}

std::vector<Box> BoxWatcher::Take()
{
    EnterCriticalSection(&lock);
    std::vector<Box> taken;
    taken.swap(answered);
    LeaveCriticalSection(&lock);
    return taken;
}

DWORD WINAPI BoxWatcher::Run(LPVOID param)
{
    BoxWatcher* self = static_cast<BoxWatcher*>(param);
    while (!self->stop) {
        for (const Box& found : FindBoxes(self->processId)) {
            Sleep(20);  // the text is set after the window appears
            Box box = ReadBox(found.window);
            EnterCriticalSection(&self->lock);
            self->answered.push_back(box);
            LeaveCriticalSection(&self->lock);
            PressOk(box);
        }
        Sleep(10);
    }
    return 0;
}

}  // namespace driver

namespace driver {

namespace {
void SendMouse(int x, int y, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (x * 65535 + (width - 1) / 2) / (width - 1);
    input.mi.dy = (y * 65535 + (height - 1) / 2) / (height - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}
}  // namespace

void MoveMouse(int x, int y) { SendMouse(x, y, 0); }

void RightClick(int x, int y)
{
    SendMouse(x, y, MOUSEEVENTF_RIGHTDOWN);
    SendMouse(x, y, MOUSEEVENTF_RIGHTUP);
}

void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int WindowTop(HWND window)
{
    RECT rect;
    return GetWindowRect(window, &rect) ? rect.top : INT_MIN;
}

bool TopBecomes(HWND window, int top, DWORD timeoutMs)
{
    return WaitFor([&] { return WindowTop(window) == top; }, timeoutMs);
}

int StripEdge(UINT edge)
{
    APPBARDATA data = {};
    data.cbSize = sizeof data;
    data.uEdge = edge;
    data.rc = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SHAppBarMessage(ABM_QUERYPOS, &data);
    return edge == ABE_TOP ? data.rc.top : data.rc.bottom;
}

}  // namespace driver
