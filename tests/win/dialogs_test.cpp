// Every button, box and field of the Options dialog, the custom-menus dialog and its two entry dialogs does
// its own action: driven with real messages in this process, the modal ones answered by a thread as a user.


#include "base/seams_win.h"
#include "editor/custom_menus_dialog_win.h"
#include "model_builders.h"
#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "win_bar_fixture.h"

namespace {
std::string asked, played;  // the requests the bar got, with the values wanted; the sounds played
const BarAnswers answers = {
    [](const UserVariables& w) { asked += " status " + std::to_string(w.showDate + w.showFreeMemory + w.showTime + w.showUserName); },
    [](bool on) { asked += " chime " + std::to_string(on); }, [](bool on) { asked += " top " + std::to_string(on); },
    [](bool on) { return asked += " autohide " + std::to_string(on), true; },
    [](bool bottom) { return asked += " bottom " + std::to_string(bottom), true; }};
BOOL WINAPI Play(const char* path) { return played += std::string(" play ") + path, TRUE; }
std::string Joined(const std::vector<std::string>& lines, std::string all = "")
{
    for (const std::string& line : lines) all += " " + line;
    return all;
}
// Model: each menu with its entries, " -" a separator; path, directory, parameters, show command when set.
std::string Model(const MenuList& menus, std::string s = "")
{
    for (UserMenu* m = menus.menuListHead; m; s += " )", m = m->next)
        for (ProgramItem* i = (s += std::string(" ") + m->name + "(", m->items); i; i = i->next)
            s += std::string(i->separatorBefore ? " - " : " ") + i->name +
                 (i->path[0] ? "=" + Joined({i->path, i->workingDirectory, i->parameters, std::to_string(i->showCommand)}) : "");
    return s;
}
// Answer: what the user does in the dialog a command opens; boxes of warnings get OK.
struct Answer { int button = 0; const char *name = nullptr, *path = nullptr, *directory = nullptr, *parameters = nullptr; int show = 0; };

// Act: sends the command and answers what opens, noting each window's caption (a warning: its text).
std::string Act(const MenuList& menus, HWND editor, int control, WORD code, const Answer& a)
{
    std::string seen;
    std::atomic<bool> done{false};
    std::thread user([&] {
        std::vector<std::pair<HWND, DWORD>> acted;
        for (; !done; Sleep(20))
            for (HWND w : driver::TopWindows(GetCurrentProcessId(), "#32770")) {
                auto at = std::find_if(acted.begin(), acted.end(), [&](auto& p) { return p.first == w; });
                if (w == editor || (at != acted.end() && GetTickCount() - at->second < 500)) continue;
                driver::Box box = (Sleep(30), driver::ReadBox(w));  // a box's text comes after it shows
                if (at != acted.end() && box.window) continue;
                if (at != acted.end()) {  // still open after its warning: given up, the field emptied
                    SetDlgItemTextA(w, IDC_ENTRY_DIRECTORY, ""), driver::ClickBox(w, IDCANCEL), at->second = GetTickCount();
                    continue;
                }
                acted.push_back({w, GetTickCount()});
                seen += " " + (box.caption == WARNING_CAPTION ? box.text : box.caption);
                for (auto field : {std::make_pair(IDC_MENU_NAME, a.name), {IDC_ENTRY_NAME, a.name}, {IDC_ENTRY_PATH, a.path},
                                   {IDC_ENTRY_DIRECTORY, a.directory}, {IDC_ENTRY_PARAMETERS, a.parameters}})
                    if (field.second) SetDlgItemTextA(w, field.first, field.second);
                if (a.show) SendDlgItemMessageA(w, a.show, BM_CLICK, 0, 0);
                driver::ClickBox(w, box.caption == WARNING_CAPTION ? IDOK : a.button);
            }
    });
    if (code) SendMessageA(editor, WM_COMMAND, MAKEWPARAM(control, code), LPARAM(GetDlgItem(editor, control)));
    else SendDlgItemMessageA(editor, control, BM_CLICK, 0, 0);  // the button of that number, as the user clicks it
    done = true;
    user.join();
    return seen + " |" + Model(menus) + " |" + Joined(driver::ListOf(editor, IDC_MENUS)) + " |" +
           Joined(driver::ListOf(editor, IDC_PROGRAMS));
}
}  // namespace

TEST(Dialogs, EveryEditorButtonAndDoubleClickDoesItsOwnActionOnTheMenusAndTheLists)
{
    const std::string dir127(127, 'd'), dir128(128, 'd'), x = " A( x= C:\\X.EXE C:\\XD -x 6 - y ) B( z )", lists = " | A B | x ------- y";
    const std::string untouched = x + lists;
    // Lines chosen in the menus and the programs list (-1: none), the command, the answer; what was seen and is then.
    const struct { int menu, entry, control; WORD code; Answer answer; std::string after; } rows[] = {
        {0, -1, IDC_MENUS, LBN_DBLCLK, {IDOK, "C"}, " Menü eintragen | C( x= C:\\X.EXE C:\\XD -x 6 - y ) B( z ) | C B | x ------- y"},
        {0, -1, IDC_MENUS, LBN_DBLCLK, {IDOK}, " Menü eintragen |" + untouched},
        {0, -1, IDC_NEW_MENU, 0, {IDOK, "N"}, " Menü eintragen |" + x + " N( ) | A B N | x ------- y"},
        {0, -1, IDC_NEW_MENU, 0, {IDCANCEL, "N"}, " Menü eintragen |" + untouched},
        {0, -1, IDC_DELETE_MENU, 0, {IDNO}, " Bitte Löschen bestätigen. |" + untouched},
        {0, -1, IDC_DELETE_MENU, 0, {IDYES}, " Bitte Löschen bestätigen. | B( z ) | B | z"},
        {0, -1, IDC_NEW_PROGRAM, 0, {IDOK, "n", "C:\\N.EXE", "C:\\ND", "-n", IDC_SHOW_MAXIMIZED}, " Programm eintragen | A( x= C:\\X.EXE C:\\XD -x 6 - y n= C:\\N.EXE C:\\ND -n 3 ) B( z ) | A B | x ------- y n"},
        {0, -1, IDC_NEW_PROGRAM, 0, {IDCANCEL, "n", "C:\\N.EXE", "C:\\ND", "-n"}, " Programm eintragen |" + untouched},
        {0, 0, IDC_PROGRAMS, LBN_DBLCLK, {IDOK}, " Programm eintragen |" + untouched},
        {0, 0, IDC_PROGRAMS, LBN_DBLCLK, {IDOK, "w", 0, "", 0, IDC_SHOW_NORMAL}, " Programm eintragen | A( w= C:\\X.EXE C:\\ -x 9 - y ) B( z ) | A B | w ------- y"},
        {0, 0, IDC_PROGRAMS, LBN_DBLCLK, {IDOK, 0, 0, dir127.c_str()}, " Programm eintragen | A( x= C:\\X.EXE " + dir127 + " -x 6 - y ) B( z )" + lists},
        {0, 0, IDC_PROGRAMS, LBN_DBLCLK, {IDOK, 0, 0, dir128.c_str()}, " Programm eintragen Das Arbeitsverzeichnis darf höchstens 127 Zeichen lang sein. |" + untouched},
        {0, 0, IDC_PROGRAMS, LBN_DBLCLK, {IDOK, 0, dir128.c_str()}, " Programm eintragen Der Pfad darf höchstens 127 Zeichen lang sein. |" + untouched},
        {0, 1, IDC_PROGRAMS, LBN_DBLCLK, {IDOK}, " |" + untouched},
        {0, 0, IDC_SEPARATOR, 0, {}, " | A( - x= C:\\X.EXE C:\\XD -x 6 - y ) B( z ) | A B | ------- x ------- y"},
        {0, 2, IDC_SEPARATOR, 0, {}, " |" + untouched},
        {0, 1, IDC_SEPARATOR, 0, {}, " |" + untouched},
        {0, 1, IDC_DELETE_ENTRY, 0, {}, " | A( x= C:\\X.EXE C:\\XD -x 6 y ) B( z ) | A B | x y"},
        {0, 0, IDC_DELETE_ENTRY, 0, {}, " | A( - y ) B( z ) | A B | ------- y"},
        {1, -1, IDC_MENU_UP, 0, {}, " | B( z )" + x.substr(0, x.size() - 7) + " | B A | z"},
        {0, -1, IDC_MENU_DOWN, 0, {}, " | B( z )" + x.substr(0, x.size() - 7) + " | B A | x ------- y"},
        {0, 2, IDC_ENTRY_UP, 0, {}, " | A( - y x= C:\\X.EXE C:\\XD -x 6 ) B( z ) | A B | ------- y x"},
        {0, 0, IDC_ENTRY_DOWN, 0, {}, " | A( - y x= C:\\X.EXE C:\\XD -x 6 ) B( z ) | A B | ------- y x"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(&r - rows);
        TestMenus menus;
        UserMenu* a = AddMenu(menus, "A");
        ProgramItem* entry = AddEntry(a, "x");
        CopyText(entry->path, "C:\\X.EXE"), CopyText(entry->workingDirectory, "C:\\XD"), CopyText(entry->parameters, "-x"), entry->showCommand = SW_MINIMIZE;
        AddEntry(a, "y", 1);
        AddEntry(AddMenu(menus, "B"), "z");
        HWND editor = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CUSTOM_MENUS), nullptr, CustomMenusDialogProc, LPARAM(&menus));
        driver::ChooseLine(editor, IDC_MENUS, r.menu);
        if (r.entry >= 0) driver::ChooseLine(editor, IDC_PROGRAMS, r.entry);
        EXPECT_EQ(r.after, Act(menus, editor, r.control, r.code, r.answer));
        DestroyWindow(editor);
    }
}

TEST(Dialogs, EachOptionsBoxMirrorsItsOwnFieldAsksItsOwnRequestAndOkKeepsTheRecord)
{
    driver::TempDir dir;  // a WAV file that plays (8 kHz mono, no samples) whose path is the 79 characters the field takes
    const std::string wav = dir.File(std::string(79 - 5 - dir.Path().size(), 'g') + ".wav"), noWav = dir.File("kein.wav");
    const char header[] = "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\0\0\0";
    ASSERT_TRUE(driver::WriteFileBytes(wav, std::vector<unsigned char>(header, header + sizeof header)));
    ASSERT_TRUE(driver::WriteFileBytes(noWav, std::vector<unsigned char>(44, 'x')));
    UserVariables blank = {};
    CopyText(blank.chimeSound, wav.c_str());
    // Each box, its field, and the request to the bar a click makes.
    const struct { int box; uint32_t UserVariables::*field; const char* request; } boxes[] = {
        {IDC_ALWAYS_ON_TOP, &UserVariables::alwaysOnTop, " top 0"}, {IDC_HOURLY_CHIME, &UserVariables::hourlyChime, " chime 0"},
        {IDC_SHOW_DATE, &UserVariables::showDate, " status 0"}, {IDC_SHOW_FREE_MEMORY, &UserVariables::showFreeMemory, " status 0"},
        {IDC_DOCK_BOTTOM, &UserVariables::dockBottom, " bottom 0"}, {IDC_AUTO_HIDE, &UserVariables::autoHide, " autohide 0"},
        {IDC_SHOW_TIME, &UserVariables::showTime, " status 0"}, {IDC_SHOW_USER_NAME, &UserVariables::showUserName, " status 0"}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.box);
        UserVariables stored = blank;
        stored.*b.field = 1;
        OptionsDialogRecord record = {stored, false, &answers};
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, OptionsDialogProc, LPARAM(&record));
        std::string checked, path = driver::WindowText(GetDlgItem(dialog, IDC_CHIME_SOUND));
        for (const auto& other : boxes) checked += IsDlgButtonChecked(dialog, other.box) ? "x" : ".";
        EXPECT_EQ(std::string(&b - boxes, '.') + "x" + std::string(boxes + 7 - &b, '.') + " " + wav, checked + " " + path);
        asked.clear();
        SendDlgItemMessageA(dialog, b.box, BM_CLICK, 0, 0);
        EXPECT_EQ(driver::BytesOf(blank), driver::BytesOf(record.options)) << "only its own field, off";
        EXPECT_EQ(b.request, asked);
        SendDlgItemMessageA(dialog, b.box, BM_CLICK, 0, 0);
        SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
        EXPECT_EQ(driver::BytesOf(stored), driver::BytesOf(record.options)) << "on again, and OK keeps it";
        DestroyWindow(dialog);
    }
    // OK and Testen with the chime on or off, a WAV path or none, the sound played or a stand-in: the warnings,
    // sounds, and whether it closed. A path too long is refused as typed, not cut into another file's name.
    driver::Seam sound(Seams.playChimeSound, Seams.playChimeSound);
    const std::string none = " Bitte geben Sie den Namen einer WAV-Datei ein.", tooLong = wav + "X",
                      failed = " Fehler beim Abspielen einer WAV-Datei.\nÜberprüfen Sie Pfad und Dateiname.";
    const struct { int button; uint32_t chime; std::string path; bool real; std::string after; } presses[] = {
        {IDOK, 0, "", 0, " closed"}, {IDOK, 1, "", 0, none}, {IDOK, 1, wav, 0, " closed"}, {IDOK, 1, noWav, 0, failed},
        {IDOK, 1, dir.File("fehlt.wav"), 0, failed}, {IDOK, 0, tooLong, 0, " Der Pfad der WAV-Datei darf höchstens 79 Zeichen lang sein."},
        {IDC_TEST_SOUND, 0, "C:\\a.wav", 0, " play C:\\a.wav"}, {IDC_TEST_SOUND, 1, "", 0, none},
        {IDC_TEST_SOUND, 0, noWav, 1, failed}, {IDC_TEST_SOUND, 0, dir.File("fehlt.wav"), 1, failed}};
    for (const auto& p : presses) {
        SCOPED_TRACE(&p - presses);
        driver::BoxWatcher watcher;
        OptionsDialogRecord record = {blank, false, &answers};
        record.options.hourlyChime = p.chime;
        Seams.playChimeSound = p.real ? sound.real : Play;
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, OptionsDialogProc, LPARAM(&record));
        ShowWindow(dialog, SW_SHOW);
        SetDlgItemTextA(dialog, IDC_CHIME_SOUND, p.path.c_str());
        played.clear();
        SendDlgItemMessageA(dialog, p.button, BM_CLICK, 0, 0);
        for (const driver::Box& box : watcher.Take()) played += " " + box.text;
        EXPECT_EQ(p.after, played + (IsWindowVisible(dialog) ? "" : " closed"));
        DestroyWindow(dialog);
    }
}
