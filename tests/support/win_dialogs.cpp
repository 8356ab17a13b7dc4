#include "win_dialogs.h"

#include <shlobj.h>

#include <cstring>

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

// Template reader over the resource bytes; every field is little-endian.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : at(data), end(data + size) {}
    WORD Word()
    {
        WORD value = 0;
        Take(&value, sizeof value);
        return value;
    }
    DWORD Dword()
    {
        DWORD value = 0;
        Take(&value, sizeof value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte()
    {
        BYTE value = 0;
        Take(&value, 1);
        return value;
    }
    std::string String()
    {
        std::wstring text;
        for (WORD c = Word(); c && at < end; c = Word()) text += static_cast<wchar_t>(c);
        return FromWide(text.c_str(), static_cast<int>(text.size()));
    }
    // A name that may be an ordinal instead: 0xFFFF then the number.
    std::string StringOrOrdinal()
    {
        WORD first = Word();
        if (first == 0) return std::string();
        if (first == 0xFFFF) {
            switch (WORD ordinal = Word()) {
            case 0x80: return "Button";
            case 0x81: return "Edit";
            case 0x82: return "Static";
            case 0x83: return "ListBox";
            case 0x84: return "ScrollBar";
            case 0x85: return "ComboBox";
            default: return "#" + std::to_string(ordinal);
            }
        }
        at -= sizeof(WORD);
        std::string name = String();
        for (const char* known : {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"})
            if (lstrcmpiA(name.c_str(), known) == 0) return known;
        return name;
    }
    void AlignDword(const BYTE* base)
    {
        while ((at - base) % 4) ++at;
    }
    void Skip(size_t count) { at += count; }
    bool Ok() const { return at <= end; }

private:
    void Take(void* value, size_t size)
    {
        if (at + size <= end) std::memcpy(value, at, size);
        at += size;
    }
    const BYTE* at;
    const BYTE* end;
};

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

bool ReadDialogTemplate(HMODULE module, int resource, DialogTemplate& dialog)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!found) return false;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    TemplateReader read(data, SizeofResource(module, found));
    if (read.Word() != 1 || read.Word() != 0xFFFF) return false;  // only the extended form
    read.Dword();  // help id
    dialog.exStyle = read.Dword();
    dialog.style = read.Dword();
    WORD count = read.Word();
    dialog.x = read.Short();
    dialog.y = read.Short();
    dialog.cx = read.Short();
    dialog.cy = read.Short();
    read.StringOrOrdinal();  // menu
    read.StringOrOrdinal();  // class
    dialog.caption = read.String();
    dialog.pointSize = 0;
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = read.Word();
        read.Word();  // weight
        read.Byte();  // italic
        read.Byte();  // character set
        dialog.font = read.String();
    }
    dialog.items.clear();
    for (WORD i = 0; i < count; ++i) {
        read.AlignDword(data);
        TemplateItem item;
        read.Dword();  // help id
        item.exStyle = read.Dword();
        item.style = read.Dword();
        item.x = read.Short();
        item.y = read.Short();
        item.cx = read.Short();
        item.cy = read.Short();
        item.id = static_cast<int>(read.Dword());
        item.className = read.StringOrOrdinal();
        item.text = read.StringOrOrdinal();
        read.Skip(read.Word());  // creation data
        dialog.items.push_back(item);
    }
    return read.Ok();
}

HDROP MakeDrop(POINT point, const std::vector<std::string>& files)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& file : files) size += file.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!memory) return nullptr;
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    char* at = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& file : files) {
        std::memcpy(at, file.c_str(), file.size() + 1);
        at += file.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace driver
