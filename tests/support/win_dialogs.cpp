#include "win_dialogs.h"

namespace driver {

namespace {

std::string FromWide(const wchar_t* text, int length)
{
    if (length <= 0) return std::string();
    int size = WideCharToMultiByte(1252, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(1252, 0, text, length, &out[0], size, nullptr, nullptr);
    return out;
}

}  // namespace

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, i, 0));
        std::vector<wchar_t> text(length > 0 ? length + 1 : 1, L'\0');
        int got = static_cast<int>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data())));
        lines.push_back(FromWide(text.data(), got > 0 ? got : 0));
    }
    return lines;
}

int ListSelection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

void SelectLine(HWND dialog, int listId, int line)
{
    SendDlgItemMessageA(dialog, listId, LB_SETCURSEL, line, 0);
    Notify(dialog, listId, LBN_SELCHANGE);
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void SetItemText(HWND dialog, int id, const std::string& text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Notify(HWND dialog, int id, int code)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostNotify(HWND dialog, int id, int code)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor([&] { return (found = FindProcessWindow(processId, "#32770", caption.c_str())) != nullptr; }, timeoutMs);
    return found;
}

bool WaitGone(HWND window, DWORD timeoutMs)
{
    return WaitFor([&] { return !IsWindow(window); }, timeoutMs);
}

bool AnswerBox(DWORD processId, const std::string& caption, int button, Box& box)
{
    HWND window = WaitForDialog(processId, caption);
    if (!window) return false;
    Sleep(20);  // the text is set after the window appears
    box = ReadBox(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    return WaitGone(window);
}

bool HasIcon(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32];
        GetClassNameA(child, className, sizeof className);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0)
            return true;
    }
    return false;
}

}  // namespace driver
