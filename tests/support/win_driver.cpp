#include "win_driver.h"

#include <shellapi.h>

#include <fstream>
#include <iterator>

namespace driver {

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = "";
    return std::string(name, GetClassNameA(window, name, sizeof name));
}

// Reads a box's longest text. A box holds texts, its icon and push buttons;
// a dialog with other controls is no box: its window is cleared.
BOOL CALLBACK ReadChild(HWND child, LPARAM param)
{
    Box* box = reinterpret_cast<Box*>(param);
    LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
    std::string name = ClassOf(child), text = name == "Static" ? WindowText(child) : "";
    if (text.size() > box->text.size()) box->text = text;
    if (name == "Static" || (name == "Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON))) return TRUE;
    box->window = nullptr;
    return FALSE;
}

DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    return GetWindowThreadProcessId(window, &process), process;
}

// The shown dialogs (#32770) of a process (0: any), oldest first.
std::vector<HWND> Dialogs(DWORD processId)
{
    std::vector<HWND> found;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT))
        if (IsWindowVisible(window) && ClassOf(window) == "#32770" && (!processId || ProcessOf(window) == processId))
            found.insert(found.begin(), window);
    return found;
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
    Box box = {window, WindowText(window), ""};
    EnumChildWindows(window, ReadChild, reinterpret_cast<LPARAM>(&box));
    return box;
}

std::vector<Box> FindBoxes(DWORD processId)
{
    std::vector<Box> boxes;
    for (HWND window : Dialogs(processId)) {
        Box box = ReadBox(window);
        if (box.window) boxes.push_back(box);
    }
    return boxes;
}

void PressOk(const Box& box)
{
    PressButton(box.window, IDOK);
    WaitFor([&] { return !IsWindow(box.window); }, 2000);
}

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
    std::vector<Box> taken;
    EnterCriticalSection(&lock);
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

HWND FindProcessWindow(DWORD processId, const char* className, const char* title)
{
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT))
        if (ProcessOf(window) == processId && ClassOf(window) == className && (!title || WindowText(window) == title))
            return window;
    return nullptr;
}

HWND DialogOwnedBy(HWND owner)
{
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND window : Dialogs(0))
            if (GetWindow(window, GW_OWNER) == owner && !ReadBox(window).window) found = window;
        return found != nullptr;
    });
    return found;
}

std::vector<std::string> ListOf(HWND dialog, int listId)
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

void ChooseLine(HWND dialog, int listId, int line)
{
    SendMessageA(GetDlgItem(dialog, listId), LB_SETCURSEL, line, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), LPARAM(GetDlgItem(dialog, listId)));
}

void TypeInto(HWND dialog, int id, const std::string& text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

void ClickBox(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool IsChecked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

BarProcess::~BarProcess()
{
    if (!info.hProcess) return;
    TerminateProcess(info.hProcess, 99);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
}

bool BarProcess::Start(const std::string& exe, const std::string& arguments)
{
    std::string line = "\"" + exe + "\" " + arguments, folder = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    return true;
}

bool BarProcess::NextBox(Box& box, DWORD timeoutMs)
{
    std::vector<Box> boxes;
    if (!WaitFor([&] { return !(boxes = FindBoxes(Id())).empty(); }, timeoutMs)) return false;
    Sleep(20);  // the text is set after the window shows
    PressOk(box = ReadBox(boxes.front().window));
    return true;
}

HWND BarProcess::WaitForBar()
{
    HWND bar = nullptr;
    WaitFor([&] { return (bar = FindProcessWindow(Id(), "DRClass", "DeskRail")) != nullptr; });
    return bar;
}

bool BarProcess::Close()
{
    HWND bar = FindProcessWindow(Id(), "DRClass", "DeskRail");
    return bar && PostMessageA(bar, WM_CLOSE, 0, 0);
}

bool BarProcess::WaitForExit(DWORD& exitCode, DWORD timeoutMs)
{
    return WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(info.hProcess, &exitCode);
}

TempDir::TempDir()
{
    static LONG counter;
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    path = base + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(InterlockedIncrement(&counter));
    CreateDirectoryA(path.c_str(), nullptr);
}

TempDir::~TempDir()
{
    std::string from = path + std::string(1, '\0');  // a list of one
    const FILEOP_FLAGS quiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFILEOPSTRUCTA remove = {nullptr, FO_DELETE, from.c_str(), nullptr, quiet, FALSE, nullptr, nullptr};
    SHFileOperationA(&remove);
}

std::string Copy(const char* program, const std::string& folder)
{
    char path[MAX_PATH];
    std::string self(path, GetModuleFileNameA(nullptr, path, sizeof path));
    std::string target = folder + "\\" + program;
    CopyFileA((self.substr(0, self.find_last_of('\\') + 1) + program).c_str(), target.c_str(), FALSE);
    return target;
}

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.is_open();
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    return file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size()).flush().good();
}

bool ReadRegistryValue(const std::string& key, const char* value, std::vector<unsigned char>& bytes)
{
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_ANY, nullptr, nullptr, &size)) return false;
    bytes.resize(size);
    return !RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_ANY, nullptr, bytes.data(), &size);
}

bool WriteRegistryValue(const std::string& key, const char* value, DWORD type, const void* data, DWORD size)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr))
        return false;
    LONG result = RegSetValueExA(handle, value, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

void MoveMouse(int x, int y)
{
    INPUT input = {INPUT_MOUSE, {}};
    int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
    input.mi = {(x * 65535 + width / 2) / width, (y * 65535 + height / 2) / height, 0,
                MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, 0, 0};
    SendInput(1, &input, sizeof input);
}

void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    size_t i = 0;
    for (WORD key : keys) {
        INPUT &down = inputs[i], &up = inputs[inputs.size() - ++i];
        down.ki.wVk = up.ki.wVk = key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    return GetWindowRect(window, &rect), rect;
}

int StripEdge(UINT edge)
{
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    APPBARDATA data = {sizeof data, nullptr, 0, edge, screen, 0};
    SHAppBarMessage(ABM_QUERYPOS, &data);
    return edge == ABE_TOP ? data.rc.top : data.rc.bottom;
}

}  // namespace driver
