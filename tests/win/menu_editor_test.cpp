// The menu editor's dialogs made by the program's own code in this process:
// their templates, the arrow pictures, dropping files with a real drop
// handle, the entry dialogs on the live model, and the system's file dialog.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>

#include <string>
#include <thread>
#include <vector>

#include "editor/custom_menus_dialog_win.h"
#include "editor/entry_dialogs_win.h"
#include "editor/file_browser_win.h"
#include "menus/menu_model.h"
#include "resources/resource.h"
#include "shell/bar_state_win.h"
#include "shell/text.h"
#include "win_dialogs.h"
#include "model_builders.h"
#include "win_driver.h"

using builders::AddMenu;

using namespace driver;

namespace {

using Lines = std::vector<std::string>;

class MenuEditor : public ::testing::Test {
protected:
    void SetUp() override { appInstance = GetModuleHandleA(nullptr); }
    void TearDown() override
    {
        EXPECT_EQ(Lines{}, Warnings()) << "warnings no test expected";
        if (entry) DestroyWindow(entry);
        if (dialog) DestroyWindow(dialog);
        customMenusDialog = nullptr;
        FreeAllUserMenus();
    }
    static ProgramItem* AddEntry(UserMenu* menu, const char* name, int separator = 0, int show = 5)
    {
        return builders::AddEntry(menu, name, separator, show, "C:\\ALT\\ALT.EXE");
    }
    // Open: the custom-menus dialog, kept off the screen so that the box
    // watcher sees only message boxes.
    void Open()
    {
        dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_CUSTOM_MENUS), nullptr, CustomMenusDialogProc, 0);
        ASSERT_TRUE(dialog);
        ShowWindow(dialog, SW_HIDE);
    }
    void OpenEntry(int resource, DLGPROC procedure, ProgramItem* item, UserMenu* menu, int isNew)
    {
        if (entry) DestroyWindow(entry);
        params = {item, menu, isNew};
        entry = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(resource), dialog, procedure,
                                   reinterpret_cast<LPARAM>(&params));
        ASSERT_TRUE(entry);
        ShowWindow(entry, SW_HIDE);
    }
    HWND List(int id) { return GetDlgItem(dialog, id); }
    Lines ListOf(int id) { return ListLines(List(id)); }
    int LineHeight()
    {
        RECT rect = {};
        SendMessageA(List(IDC_MENUS), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect));
        return rect.bottom - rect.top;
    }
    // Drop: files dropped at that height of the menus list; true when the
    // drop handle was finished (freed).
    bool Drop(int y, const std::vector<std::string>& files)
    {
        HDROP drop = MakeDrop(POINT{5, y}, files);
        // The list box accepts the files and hands the message to its dialog.
        SendMessageA(List(IDC_MENUS), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        return GlobalSize(drop) == 0;
    }
    static Lines Names(const UserMenu* menu)
    {
        Lines names;
        for (ProgramItem* item = menu->items; item; item = item->next) names.push_back(item->name);
        EXPECT_EQ(static_cast<int>(names.size()), menu->itemCount);
        return names;
    }
    // Texts of the message boxes answered so far; the dialogs themselves are
    // no message boxes, so the watcher leaves them alone.
    Lines Warnings()
    {
        Lines texts;
        for (const Box& box : watcher.Take()) texts.push_back(box.caption + ": " + box.text);
        return texts;
    }
    BoxWatcher watcher;
    HWND dialog = nullptr;
    HWND entry = nullptr;
    EntryDialogParams params = {};
};

struct Control {
    int id;
    const char* className;
    const char* text;
    int x, y, cx, cy;
    DWORD style;    // bits that must be set (for buttons: the exact button type too)
    DWORD exStyle;
};

const DWORD LIST_STYLE = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
const DWORD EDIT_STYLE = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD DIALOG_STYLE = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_3DLOOK;

void ExpectTemplate(int resource, const char* caption, int cx, int cy, const std::vector<Control>& controls)
{
    DialogTemplate read;
    ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleA(nullptr), resource, read)) << resource;
    EXPECT_EQ(caption, read.caption);
    EXPECT_EQ(cx, read.cx);
    EXPECT_EQ(cy, read.cy);
    EXPECT_EQ(DIALOG_STYLE, read.style & DIALOG_STYLE) << resource;
    EXPECT_EQ(0u, read.style & WS_SYSMENU) << "no close box";
    EXPECT_EQ("MS Sans Serif", read.font);
    EXPECT_EQ(8, read.pointSize);
    ASSERT_EQ(controls.size(), read.items.size()) << resource;
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control& want = controls[i];
        const TemplateItem& got = read.items[i];
        SCOPED_TRACE(std::to_string(resource) + " control " + std::to_string(i) + " " + want.text);
        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(want.className, got.className);
        EXPECT_EQ(want.text, got.text);
        EXPECT_EQ((std::vector<int>{want.x, want.y, want.cx, want.cy}), (std::vector<int>{got.x, got.y, got.cx, got.cy}));
        EXPECT_EQ(want.style, got.style & want.style);
        if (want.className == std::string("Button")) {
            EXPECT_EQ(want.style & BS_TYPEMASK, got.style & BS_TYPEMASK);
        }
        EXPECT_EQ(want.exStyle, got.exStyle);
        if (want.className == std::string("ListBox")) {
            EXPECT_EQ(0u, got.style & LBS_SORT) << "unsorted";
        }
    }
}

}  // namespace

TEST(EditorResources, DialogTemplatesHoldTheirTables)
{
    const DWORD OWNER_DRAWN = BS_OWNERDRAW;
    ExpectTemplate(IDD_CUSTOM_MENUS, "Benutzerdefinierte Menüs", 252, 113,
                   {{1, "Button", "&OK", 119, 90, 46, 14, BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
                    {1007, "Button", "Neues &Menü", 192, 13, 55, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
                    {1011, "Button", "Menü &löschen", 192, 29, 55, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
                    {1008, "Button", "Neues &Programm", 191, 58, 57, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
                    {1012, "Button", "&Eintrag löschen", 192, 74, 56, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
                    {1033, "Button", "&Trennlinie", 192, 90, 55, 14, BS_PUSHBUTTON | WS_TABSTOP, 0},
                    {1028, "Button", "", 81, 22, 12, 12, OWNER_DRAWN, WS_EX_TRANSPARENT},
                    {1029, "Button", "", 81, 57, 12, 12, OWNER_DRAWN, WS_EX_TRANSPARENT},
                    {1030, "Button", "", 169, 22, 12, 12, OWNER_DRAWN, 0},
                    {1031, "Button", "", 170, 57, 12, 12, OWNER_DRAWN, 0},
                    {1004, "ListBox", "", 8, 18, 70, 54, LIST_STYLE, WS_EX_ACCEPTFILES},
                    {-1, "Static", "Menüs", 28, 7, 27, 8, 0, 0},
                    {1002, "ListBox", "", 96, 18, 70, 54, LIST_STYLE, 0},
                    {-1, "Static", "Programme", 116, 7, 40, 8, 0, 0},
                    {-1, "Button", "Hinweis", 8, 76, 75, 30, BS_GROUPBOX, 0},
                    {-1, "Static", "Zum Ändern bitte einen Eintrag doppelklicken.", 13, 85, 65, 16, 0, 0}});
    DialogTemplate menus;
    ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleA(nullptr), IDD_CUSTOM_MENUS, menus));
    for (int i = 6; i <= 9; ++i) EXPECT_EQ(0u, menus.items[i].style & WS_TABSTOP) << "arrow buttons are no tab stops";

    ExpectTemplate(IDD_MENU_NAME, "Menü eintragen", 189, 68,
                   {{1, "Button", "&OK", 131, 6, 50, 14, BS_DEFPUSHBUTTON, 0},
                    {2, "Button", "&Abbrechen", 131, 23, 50, 14, BS_PUSHBUTTON, 0},
                    {-1, "Static", "Menü-Name", 11, 6, 62, 11, 0, 0},
                    {1015, "Edit", "", 9, 18, 88, 12, EDIT_STYLE, 0},
                    {-1, "Static", "Fügen Sie ein \"&&\" vor einen Buchstaben als Tastaturkürzel ein.", 15, 42, 88, 17,
                     0, 0},
                    {-1, "Button", "Hinweis", 10, 33, 96, 30, BS_GROUPBOX, 0}});

    ExpectTemplate(IDD_PROGRAM_ENTRY, "Programm eintragen", 201, 144,
                   {{1, "Button", "&OK", 128, 82, 50, 14, BS_DEFPUSHBUTTON, 0},
                    {2, "Button", "&Abbrechen", 127, 104, 50, 14, BS_PUSHBUTTON, 0},
                    {-1, "Static", "Name", 8, 9, 43, 8, 0, 0},
                    {-1, "Static", "Pfad/Dateiname", 7, 36, 61, 8, 0, 0},
                    {-1, "Static", "Arbeitsverzeichnis", 7, 65, 59, 8, 0, 0},
                    {-1, "Static", "Parameter", 7, 93, 40, 8, 0, 0},
                    {-1, "Static",
                     "Fügen Sie ein \"&&\" in den Namen ein, um ein Tastaturkürzel zu bestimmen (z.B. \"&&MeinProgramm\").",
                     122, 12, 67, 40, 0, 0},
                    {1010, "Edit", "", 7, 20, 104, 12, EDIT_STYLE, 0},
                    {1014, "Edit", "", 7, 48, 104, 12, EDIT_STYLE, 0},
                    {1009, "Edit", "", 7, 76, 104, 12, EDIT_STYLE, 0},
                    {1013, "Edit", "", 7, 105, 104, 12, EDIT_STYLE, 0},
                    {1030, "Button", "&Suchen ...", 128, 59, 50, 14, BS_PUSHBUTTON, 0},
                    {-1, "Button", "Hinweis", 116, 3, 76, 52, BS_GROUPBOX, 0},
                    {1041, "Button", "Normal", 14, 126, 38, 10, BS_AUTORADIOBUTTON | WS_GROUP, 0},
                    {1042, "Button", "Maximiert", 69, 126, 45, 10, BS_AUTORADIOBUTTON, 0},
                    {1043, "Button", "Minimiert", 122, 126, 43, 10, BS_AUTORADIOBUTTON, 0}});
}

namespace {
// Picture: the 16 x 16 pixels drawn on a magenta ground, as k (black),
// g (grey), w (white), '.' (untouched) and '?' (anything else).
std::vector<std::string> DrawArrow(int controlId, UINT state)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 16, 16};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = controlId;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = dc;
    item.rcItem = all;
    DrawArrowButton(&item, controlId);
    std::vector<std::string> rows;
    for (int y = 0; y < 16; ++y) {
        std::string row;
        for (int x = 0; x < 16; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            row += c == RGB(0, 0, 0) ? 'k' : c == RGB(128, 128, 128) ? 'g' : c == RGB(255, 255, 255) ? 'w'
                 : c == RGB(255, 0, 255) ? '.' : '?';
        }
        rows.push_back(row);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return rows;
}
}  // namespace

TEST(ArrowButtons, RaisedAndSunkenArrowsOnTransparentFaces)
{
    appInstance = GetModuleHandleA(nullptr);
    const std::vector<std::string> upRaised = {
        "wwwwwwwwwwwwwwwk", "w.............gk", "w.............gk", "w......k......gk",
        "w.....kkk.....gk", "w....kkkkk....gk", "w...kkkkkkk...gk", "w..kkkkkkkkk..gk",
        "w.....kkk.....gk", "w.....kkk.....gk", "w.....kkk.....gk", "w.....kkk.....gk",
        "w.............gk", "w.............gk", "wggggggggggggggk", "kkkkkkkkkkkkkkkk"};
    const std::vector<std::string> downSunken = {
        "kkkkkkkkkkkkkkkw", "kggggggggggggggw", "kg.............w", "kg.............w",
        "kg.....kkk.....w", "kg.....kkk.....w", "kg.....kkk.....w", "kg.....kkk.....w",
        "kg..kkkkkkkkk..w", "kg...kkkkkkk...w", "kg....kkkkk....w", "kg.....kkk.....w",
        "kg......k......w", "kg.............w", "kg.............w", "wwwwwwwwwwwwwwww"};
    EXPECT_EQ(upRaised, DrawArrow(IDC_MENU_UP, 0));
    EXPECT_EQ(upRaised, DrawArrow(IDC_ENTRY_UP, ODS_FOCUS));
    EXPECT_EQ(downSunken, DrawArrow(IDC_ENTRY_DOWN, ODS_SELECTED));
    EXPECT_EQ(downSunken, DrawArrow(IDC_MENU_DOWN, ODS_SELECTED | ODS_FOCUS));

    // The other two: the same arrows turned round, and shifted when pressed.
    std::vector<std::string> downRaised = DrawArrow(IDC_MENU_DOWN, 0);
    EXPECT_EQ("w.....kkk.....gk", downRaised[3]);
    EXPECT_EQ("w..kkkkkkkkk..gk", downRaised[7]);
    EXPECT_EQ("w......k......gk", downRaised[11]);
    EXPECT_EQ(upRaised[0], downRaised[0]);
    std::vector<std::string> upSunken = DrawArrow(IDC_ENTRY_UP, ODS_SELECTED);
    EXPECT_EQ("kg......k......w", upSunken[4]) << "apex one pixel right and down";
    EXPECT_EQ("kg..kkkkkkkkk..w", upSunken[8]);
    EXPECT_EQ("kg.....kkk.....w", upSunken[12]);
    EXPECT_EQ(downSunken[15], upSunken[15]);

    EXPECT_EQ(std::vector<std::string>(16, std::string(16, '.')), DrawArrow(IDC_NEW_MENU, 0)) << "no picture";

}

TEST_F(MenuEditor, DroppedFilesJoinTheMenuUnderThePointLastFirst)
{
    UserMenu* eins = AddMenu("&Eins");
    AddEntry(eins, "Alt");
    UserMenu* zwei = AddMenu("&Zwei");
    AddMenu("&Drei");
    Open();
    SelectLine(dialog, IDC_MENUS, 0);
    ASSERT_EQ(Lines{"Alt"}, ListOf(IDC_PROGRAMS));

    int h = LineHeight();
    ASSERT_GT(h, 0);
    EXPECT_TRUE(Drop(h + h / 2, {"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\TOOLS\\MAKEFILE", "C:\\GAME.EXE"}));

    EXPECT_EQ((Lines{"Game", "MAKEFILE", "Notepad"}), Names(zwei));
    ProgramItem* game = zwei->items;
    ProgramItem* make = game->next;
    ProgramItem* notepad = make->next;
    EXPECT_STREQ("C:\\game.EXE", game->path);
    EXPECT_STREQ("C:", game->workingDirectory);
    EXPECT_STREQ("C:\\TOOLS\\MAKEFILE", make->path);
    EXPECT_STREQ("C:\\TOOLS", make->workingDirectory);
    EXPECT_STREQ("C:\\WINDOWS\\notepad.EXE", notepad->path);
    EXPECT_STREQ("C:\\WINDOWS", notepad->workingDirectory);
    for (ProgramItem* item = zwei->items; item; item = item->next) {
        EXPECT_STREQ("", item->parameters);
        EXPECT_EQ(5, item->showCommand);
        EXPECT_EQ(0, item->separatorBefore);
    }
    EXPECT_EQ(1, ListSelection(List(IDC_MENUS))) << "the target menu is selected";
    EXPECT_EQ(List(IDC_MENUS), GetFocus());
    EXPECT_EQ(Lines{"Alt"}, ListOf(IDC_PROGRAMS)) << "the programs list is not refilled";
    EXPECT_EQ(Lines{"Alt"}, Names(eins));
}

TEST_F(MenuEditor, DropsOnAScrolledListBelowTheMenusAndWithOddNames)
{
    UserMenu* menus[12];
    for (int i = 0; i < 12; ++i) menus[i] = AddMenu(("M" + std::to_string(i)).c_str());
    Open();
    int h = LineHeight();
    SendMessageA(List(IDC_MENUS), LB_SETTOPINDEX, 4, 0);
    int top = static_cast<int>(SendMessageA(List(IDC_MENUS), LB_GETTOPINDEX, 0, 0));
    ASSERT_GT(top, 0) << "the list must scroll for this test";

    std::string deep = "C:\\" + std::string(120, 'o') + "\\TIEF.EXE";
    EXPECT_TRUE(Drop(h / 2, {"C:\\HOME\\.PROFILE", deep, "C:\\A\\Ein_sehr_langer_Programmname_mit_Rest.EXE"}));
    EXPECT_EQ((Lines{"Ein_sehr_langer_programmname_", "Standardname"}), Names(menus[top]))
        << "the first visible line is line " << top;
    EXPECT_STREQ("C:\\A\\ein_sehr_langer_programmname_mit_rest.EXE", menus[top]->items->path);
    EXPECT_EQ(Lines{"DeskRail: Der Pfad ist zu lang, die Datei wird nicht aufgenommen:\n" + deep}, Warnings());

    // Below the last menu: nothing is added, and the drop is still finished.
    SendMessageA(List(IDC_MENUS), LB_SETTOPINDEX, 0, 0);
    EXPECT_TRUE(Drop(12 * h + 2, {"C:\\X.EXE"}));
    int entries = 0;
    for (UserMenu* menu : menus) entries += menu->itemCount;
    EXPECT_EQ(2, entries);
    EXPECT_EQ(top, ListSelection(List(IDC_MENUS))) << "the selection stays where the last drop put it";
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(MenuEditor, EntryDialogsCutTextsToTheirFields)
{
    UserMenu* eins = AddMenu("&Ersteinmal");
    ProgramItem* alt = AddEntry(eins, "Alt");
    Open();
    SelectLine(dialog, IDC_MENUS, 0);
    OpenEntry(IDD_MENU_NAME, MenuNameDialogProc, nullptr, eins, 0);
    SetItemText(entry, IDC_MENU_NAME, std::string(35, 'n'));
    Notify(entry, IDOK);
    EXPECT_EQ(std::string(29, 'n'), eins->name);
    EXPECT_EQ(Lines{std::string(29, 'n')}, ListOf(IDC_MENUS));
    SetItemText(entry, IDC_MENU_NAME, "&Eins");
    Notify(entry, IDOK);
    EXPECT_EQ(0, std::memcmp(eins->name, "&Eins\0\0\0", 8)) << "nothing of the old name stays behind";

    SelectLine(dialog, IDC_MENUS, 0);
    OpenEntry(IDD_PROGRAM_ENTRY, ProgramItemDialogProc, alt, eins, 1);
    SetItemText(entry, IDC_ENTRY_NAME, std::string(40, 'n'));
    SetItemText(entry, IDC_ENTRY_PATH, "C:\\" + std::string(197, 'p'));
    SetItemText(entry, IDC_ENTRY_DIRECTORY, "D:\\" + std::string(197, 'd'));
    SetItemText(entry, IDC_ENTRY_PARAMETERS, std::string(200, 'a'));
    Notify(entry, IDOK);
    ASSERT_EQ(2, eins->itemCount);
    ProgramItem* made = alt->next;
    ASSERT_TRUE(made);
    EXPECT_EQ(std::string(29, 'n'), made->name);
    EXPECT_EQ("C:\\" + std::string(124, 'p'), made->path);
    EXPECT_EQ("D:\\" + std::string(124, 'd'), made->workingDirectory);
    EXPECT_EQ(std::string(89, 'a'), made->parameters);
    EXPECT_EQ((Lines{"Alt", std::string(29, 'n')}), ListOf(IDC_PROGRAMS));
}

namespace {

// What the test saw of the system's file dialog.
struct FileDialogSeen {
    bool found = false;
    std::string folder;
    Lines filters;
    int filterIndex = -1;
    int shown = -1, shownAll = -1;  // files listed with the first and the last filter
    bool help = false, readOnly = true;  // the Help button and the read-only box show
};

std::string FolderOf(HWND fileDialog)
{
    char folder[MAX_PATH] = "";
    SendMessageA(fileDialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    return folder;
}

int FilesListed(HWND fileDialog)
{
    HWND view = FindWindowExA(fileDialog, nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
    return list ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

// DriveFileDialog: in a thread of its own, as the user: look at the dialog,
// open the folder, count the files each filter lists, then pick the file
// (or cancel when file is empty).
std::thread DriveFileDialog(const char* title, const std::string& folder, int listed, int listedAll,
                            const std::string& file, FileDialogSeen& seen)
{
    return std::thread([=, &seen] {
        HWND box = WaitForDialog(GetCurrentProcessId(), title);
        if (!box) return;
        seen.found = true;
        WaitFor([&] { return !FolderOf(box).empty(); });
        seen.folder = FolderOf(box);
        HWND types = GetDlgItem(box, cmb1);
        int count = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = "";
            SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            seen.filters.push_back(text);
        }
        seen.filterIndex = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
        seen.help = IsWindowVisible(GetDlgItem(box, pshHelp)) != FALSE;
        seen.readOnly = IsWindowVisible(GetDlgItem(box, chx1)) != FALSE;
        // Into the test's folder, as when its path is typed and confirmed.
        SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(folder.c_str()));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return lstrcmpiA(FolderOf(box).c_str(), folder.c_str()) == 0; });
        WaitFor([&] { return FilesListed(box) == listed; }, 2000);
        seen.shown = FilesListed(box);
        SendMessageA(types, CB_SETCURSEL, count - 1, 0);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        WaitFor([&] { return FilesListed(box) == listedAll; }, 2000);
        seen.shownAll = FilesListed(box);
        if (file.empty()) {
            PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        } else {
            SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(file.c_str()));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    });
}

// Owner: a dialog stand-in with the two path fields and an OK button.
struct Owner {
    Owner()
    {
        window = CreateWindowExA(0, "STATIC", "Besitzer", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
        for (int id : {1014, 1003})
            CreateWindowExA(0, "EDIT", "vorher", WS_CHILD | WS_VISIBLE, 0, id == 1014 ? 0 : 30, 200, 20, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 0, 60, 80, 20, window, reinterpret_cast<HMENU>(1),
                        nullptr, nullptr);
        SetFocus(GetDlgItem(window, 1003));
    }
    ~Owner() { DestroyWindow(window); }
    HWND window;
};

}  // namespace

TEST(FileBrowser, EachFileDialogOpensInDriveCWithItsFilterAndFillsItsField)
{
    TempDir dir;
    for (const char* name : {"a.exe", "b.com", "c.bat", "d.pif", "e.txt", "f.wav"})
        ASSERT_TRUE(WriteFileBytes(dir.File(name), {'x'}));
    const struct {
        int kind;
        const char* title;
        Lines filters;
        int shown, shownAll;  // *.EXE;*.COM;*.BAT;*.PIF;*.LNK or *.WAV, then the last filter
        const char* file;
        int field, otherField;
    } cases[] = {
        {BROWSE_PROGRAM, "Programm-Datei suchen ...", {"Programm-Dateien", "Alle Dateien"}, 4, 6, "c.bat", 1014, 1003},
        {BROWSE_WAV, "WAV-Datei suchen ...", {"WAV-Dateien"}, 1, 1, "f.wav", 1003, 1014},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        std::string chosen = dir.File(c.file);
        ASSERT_LT(chosen.size(), 80u);
        Owner owner;
        FileDialogSeen seen;
        std::thread user = DriveFileDialog(c.title, dir.Path(), c.shown, c.shownAll, chosen, seen);
        BrowseForFile(c.kind, owner.window);
        user.join();
        ASSERT_TRUE(seen.found) << "no dialog with that title";
        EXPECT_EQ("C:\\", seen.folder);
        EXPECT_EQ(c.filters, seen.filters);
        EXPECT_EQ(0, seen.filterIndex);
        EXPECT_TRUE(seen.help);
        EXPECT_FALSE(seen.readOnly);
        EXPECT_EQ(c.shown, seen.shown);
        EXPECT_EQ(c.shownAll, seen.shownAll);
        EXPECT_EQ(chosen, ItemText(owner.window, c.field));
        EXPECT_EQ("vorher", ItemText(owner.window, c.otherField));
        EXPECT_EQ(GetDlgItem(owner.window, IDOK), GetFocus()) << "on to the owner's OK";

        // Cancelled: the field stays as it was.
        SetItemText(owner.window, c.field, "vorher");
        SetFocus(GetDlgItem(owner.window, c.otherField));
        FileDialogSeen again;
        user = DriveFileDialog(c.title, dir.Path(), c.shown, c.shownAll, "", again);
        BrowseForFile(c.kind, owner.window);
        user.join();
        ASSERT_TRUE(again.found);
        EXPECT_EQ("vorher", ItemText(owner.window, c.field));
        EXPECT_NE(GetDlgItem(owner.window, IDOK), GetFocus());
    }
}
