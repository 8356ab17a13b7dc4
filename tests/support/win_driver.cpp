#include "win_driver.h"

#include <shellapi.h>

#include <cstdio>

namespace driver {

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectLongestStatic(HWND child, LPARAM param)
{
    std::string* longest = reinterpret_cast<std::string*>(param);
    std::string text = ClassOf(child) == "Static" ? WindowText(child) : "";
    if (text.size() > longest->size()) *longest = text;
    return TRUE;
}

// A box holds texts, its icon and push buttons; the program's dialogs hold
// check boxes, edits or lists as well.
BOOL CALLBACK FindNonBoxControl(HWND child, LPARAM param)
{
    LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
    std::string name = ClassOf(child);
    if (name == "Static" || (name == "Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON))) return TRUE;
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
}

bool IsMessageBox(HWND window)
{
    bool other = false;
    EnumChildWindows(window, FindNonBoxControl, reinterpret_cast<LPARAM>(&other));
    return !other;
}

struct DialogSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((!search->processId || owner == search->processId) && IsWindowVisible(window) && ClassOf(window) == "#32770")
        search->found.insert(search->found.begin(), window);
    return TRUE;
}

// Shown dialogs (#32770) of a process (0: any), oldest first.
std::vector<HWND> Dialogs(DWORD processId)
{
    DialogSearch search = {processId, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        std::string name = found.cFileName, path = folder + "\\" + name;
        if (name == "." || name == "..") continue;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
        else DeleteFileA(path.c_str());
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

std::string WindowText(HWND window)
{
    // With a time limit: a hung program must not hang the test.
    char text[1024] = "";
    DWORD_PTR result;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &result);
    return text;
}

Box ReadBox(HWND window)
{
    Box box;
    box.window = window;
    box.caption = WindowText(window);
    EnumChildWindows(window, CollectLongestStatic, reinterpret_cast<LPARAM>(&box.text));
    return box;
}

std::vector<Box> FindBoxes(DWORD processId)
{
    std::vector<Box> boxes;
    for (HWND window : Dialogs(processId))
        if (IsMessageBox(window)) boxes.push_back(ReadBox(window));
    return boxes;
}

void PressOk(const Box& box)
{
    Press(box.window, IDOK);
    WaitFor([&] { return !IsWindow(box.window); }, 2000);
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* title)
{
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ClassOf(window) == className && (!title || WindowText(window) == title))
            return window;
    }
    return nullptr;
}

HWND WaitForDialog(HWND owner)
{
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND window : Dialogs(0))
            if (GetWindow(window, GW_OWNER) == owner && !IsMessageBox(window)) found = window;
        return found != nullptr;
    });
    return found;
}

std::vector<std::string> ListLines(HWND dialog, int listId)
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

void SelectLine(HWND dialog, int listId, int line)
{
    HWND list = GetDlgItem(dialog, listId);
    SendMessageA(list, LB_SETCURSEL, line, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SetItemText(HWND dialog, int id, const std::string& text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

BarProcess::~BarProcess()
{
    if (Running()) TerminateProcess(process, 99), WaitForSingleObject(process, 5000);
    if (process) CloseHandle(process);
}

bool BarProcess::Start(const std::string& exe, const std::string& arguments)
{
    std::string line = "\"" + exe + "\" " + arguments;
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
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
    Sleep(20);  // the text is set after the window shows
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
    return process && WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process, &exitCode);
}

bool BarProcess::Running() const { return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

TempDir::TempDir()
{
    static LONG counter;
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    path = base + std::string("drtest_") + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(InterlockedIncrement(&counter));
    RemoveTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(path); }

std::string ModuleDirectory()
{
    char path[MAX_PATH];
    std::string text(path, GetModuleFileNameA(nullptr, path, sizeof path));
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
    for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<unsigned char>(c));
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
    DWORD length = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_ANY, nullptr, nullptr, &length)) return false;
    bytes.assign(length, 0);
    LONG result = RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_ANY, nullptr, bytes.data(), &length);
    bytes.resize(length);
    return result == ERROR_SUCCESS;
}

namespace {
bool SetValue(const std::string& key, const char* value, DWORD type, const void* data, DWORD size)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr))
        return false;
    LONG result = RegSetValueExA(handle, value, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}
}  // namespace

bool WriteRegistryBinary(const std::string& key, const char* value, const std::vector<unsigned char>& bytes)
{
    return SetValue(key, value, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void DeleteRegistryKey(const std::string& key) { RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

WindowsVersionOverride::WindowsVersionOverride(const char* exeName, const char* version)
    : key(std::string("Software\\Wine\\AppDefaults\\") + exeName)
{
    SetValue(key, "Version", REG_SZ, version, lstrlenA(version) + 1);
}

WindowsVersionOverride::~WindowsVersionOverride() { DeleteRegistryKey(key); }

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
    for (; !self->stop; Sleep(10)) {
        for (const Box& found : FindBoxes(self->processId)) {
            Sleep(20);  // the text is set after the window shows
            Box box = ReadBox(found.window);
            EnterCriticalSection(&self->lock);
            self->answered.push_back(box);
            LeaveCriticalSection(&self->lock);
            PressOk(box);
        }
    }
    return 0;
}

void MoveMouse(int x, int y) { SendMouse(x, y, 0); }

void PressKeys(std::initializer_list<WORD> keys)
{
    // Pressed in order, released in the mirrored order.
    std::vector<INPUT> inputs(2 * keys.size());
    size_t i = 0;
    for (WORD key : keys) {
        INPUT& down = inputs[i];
        INPUT& up = inputs[inputs.size() - 1 - i++];
        down.type = up.type = INPUT_KEYBOARD;
        down.ki.wVk = up.ki.wVk = key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
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
