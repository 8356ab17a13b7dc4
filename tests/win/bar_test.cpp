// The bar made by the program's own code in this process, before stand-ins for the shell (Wine's never
// refuses auto-hide), the clock (the full hour cannot be waited for) and the sound device.
#include <gtest/gtest.h>


#include "base/seams_win.h"
#include "base/texts.h"
#include "menus/menu_numbering.h"
#include "model_builders.h"
#include "resources/resource.h"
#include "settings/registry_store_win.h"
#include "shell/bar_messages_win.h"
#include "shell/bar_window_win.h"
#include "shell/command_line.h"
#include "shell/docking_win.h"
#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/bar_ids_win.h"
#include "shell/startup_win.h"
#include "win_driver.h"

// Wine counts no GDI objects, so the program's own calls are counted in the executable's import slots.
extern decltype(&CreateFontIndirectA) fontSlot asm("__imp__CreateFontIndirectA@4");
extern decltype(&DeleteObject) deleteSlot asm("__imp__DeleteObject@4");
extern decltype(&GetWindowDC) dcSlot asm("__imp__GetWindowDC@4");
extern decltype(&ReleaseDC) releaseSlot asm("__imp__ReleaseDC@8");
extern decltype(&SetTimer) timerSlot asm("__imp__SetTimer@16");
extern decltype(&GetSystemPowerStatus) powerSlot asm("__imp__GetSystemPowerStatus@4");
extern decltype(&ExtTextOutA) textSlot asm("__imp__ExtTextOutA@32");
extern decltype(&DrawMenuBar) menuBarSlot asm("__imp__DrawMenuBar@4");
// The slide's clock and its moves, likewise.
extern decltype(&GetTickCount) tickSlot asm("__imp__GetTickCount@0");
extern decltype(&SetWindowPos) placeSlot asm("__imp__SetWindowPos@28");

namespace {
int held;  // fonts and device contexts taken and not given back
const auto realFont = fontSlot;
const auto realDelete = deleteSlot;
const auto realDc = dcSlot;
const auto realRelease = releaseSlot;
HFONT WINAPI Font(const LOGFONTA* font) { return ++held, realFont(font); }
BOOL WINAPI Delete(HGDIOBJ object) { return --held, realDelete(object); }
HDC WINAPI Dc(HWND window) { return ++held, realDc(window); }
int WINAPI Release(HWND window, HDC dc) { return --held, realRelease(window, dc); }
BOOL WINAPI PowerFails(LPSYSTEM_POWER_STATUS) { return SetLastError(ERROR_GEN_FAILURE), FALSE; }
BOOL WINAPI PowerAt57(LPSYSTEM_POWER_STATUS status) { return *status = {0, 0, 57, 0, 0, 0}, TRUE; }
std::string drawn;  // each text the program draws: where it ends, whether centred in the bar, its font and colour
const auto realText = textSlot;
BOOL WINAPI Text(HDC dc, int x, int y, UINT options, const RECT* clip, LPCSTR text, UINT length, const INT* widths)
{
    if (!length && options & ETO_OPAQUE) return drawn += " wipe", realText(dc, x, y, options, clip, text, length, widths);
    SIZE size = {};
    TEXTMETRICA metrics = {};
    LOGFONTA font = {};
    GetTextExtentPoint32A(dc, text, length, &size), GetTextMetricsA(dc, &metrics);
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    const RECT bar = driver::WindowRect(Handles.barWindowHandle);
    drawn += " " + std::string(text, length) + "|" + std::to_string(x + size.cx) + "|" +
             (std::abs(2 * y + metrics.tmHeight - (bar.bottom - bar.top)) <= 1 ? "centred|" : "off|") + font.lfFaceName +
             std::to_string(font.lfHeight) + "|" + std::to_string(GetTextColor(dc));
    return realText(dc, x, y, options, clip, text, length, widths);
}
const auto realMenuBar = menuBarSlot;
BOOL WINAPI MenuBar(HWND window) { return drawn += " wipe", realMenuBar(window); }  // the old text goes with the titles
std::string timers;  // the periods of the timers set
const auto realTimer = timerSlot;
UINT_PTR WINAPI Timer(HWND w, UINT_PTR id, UINT ms, TIMERPROC f) { return timers += " " + std::to_string(ms), realTimer(w, id, ms, f); }
const auto realTicks = tickSlot;
const auto realPlace = placeSlot;
DWORD ticks;                 // a clock 50 ms on at every reading
std::vector<int> slideTops;  // where the bar was placed
DWORD WINAPI Ticks() { return ticks += 50; }
BOOL WINAPI Place(HWND window, HWND after, int x, int y, int width, int height, UINT flags)
{
    if (window == Handles.barWindowHandle && !(flags & SWP_NOMOVE)) slideTops.push_back(y);  // moves, not the z-order
    return realPlace(window, after, x, y, width, height, flags);
}

std::string docking;  // the app-bar messages but activation and moves, e.g. " new(top) autohide(top,on)"
int shellMessages;    // all of them
bool refuseAutoHide;  // as when another bar holds the edge
int otherBar;         // the height of another bar at the top edge
UINT callback;        // the bar's callback message, as registered
BOOL soundWorks;
driver::Lines played;

UINT_PTR WINAPI Shell(DWORD message, PAPPBARDATA data)
{
    const char* names[] = {"new", "remove", "querypos", "setpos", "", "", "", "", "autohide"};
    ++shellMessages;
    if (message == ABM_NEW) callback = data->uCallbackMessage;
    if (message == ABM_QUERYPOS) data->rc.top += otherBar;
    if (message < 9 && *names[message])
        docking += std::string(" ") + names[message] + (data->uEdge == ABE_BOTTOM ? "(bottom" : "(top") +
                   (message != ABM_SETAUTOHIDEBAR ? ")" : data->lParam ? ",on)" : ",off)");
    return !(message == ABM_SETAUTOHIDEBAR && data->lParam && refuseAutoHide);
}
WORD minute;  // of the clock the chime reads
void WINAPI Clock(LPSYSTEMTIME now) { *now = SYSTEMTIME{2000, 1, 6, 1, 12, minute, 0, 0}; }
BOOL WINAPI Sound(const char* path) { return played.push_back(path), soundWorks; }
// Read: a menu as the user sees it; "-" a separator; an entry whose command finds another marked.
std::string Read(HMENU menu)
{
    std::string read;
    char text[64];
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        ProgramItem* item = FindProgramForCommand(Globals.menus, GetMenuItemID(menu, i));
        if (GetSubMenu(menu, i)) read += std::string(" ") + text + "(" + Read(GetSubMenu(menu, i)) + " )";
        else if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) read += " -";
        else read += std::string(" ") + text + (item && !strcmp(text, item->name) ? "" : "(no command)");
    }
    return read;
}
int Top() { return driver::WindowRect(Handles.barWindowHandle).top; }
// Pump: the bar's messages and timers, as its message loop would, until done holds or the time is up.
// SecondStartWith: a second start for any user that switches one option on ("+<letter>").
void SecondStartWith(HWND bar, int32_t CommandLineSwitches::*option)
{
    SecondStart start = {"", "", {}};
    start.switches.*option = 1;
    COPYDATASTRUCT data = {SECOND_START_DATA, sizeof start, &start};
    SendMessageA(bar, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

bool Pump(DWORD ms, bool (*done)() = [] { return false; })
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10)) {
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
        if (done()) return true;
    }
    return false;
}

class Bar : public ::testing::Test {
protected:
    driver::Seam<AppBarMessageFunction> shell{Seams.appBarMessage, Shell};  // also while the bar is released
    void SetUp() override
    {
        // A fresh run on a new shell, this screen, the options' defaults.
        Globals = GlobalState{}, Handles = GlobalHandles{};
        Handles.appInstance = GetModuleHandleA(nullptr);
        Globals.newShell = true;
        Globals.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        Globals.screenHeight = GetSystemMetrics(SM_CYSCREEN);
        SetDefaultUserVariables(Globals.userVariables);
        docking.clear();
        shellMessages = 0;
        refuseAutoHide = false;
        otherBar = 0;
        held = 0;
        fontSlot = Font, deleteSlot = Delete, dcSlot = Dc, releaseSlot = Release;
        ASSERT_NE(0, RegisterBarClass(BarWindowProc));
    }
    // Every test's status repaints gave back what they took.
    void TearDown() override
    {
        EXPECT_EQ(0, held);
        fontSlot = realFont, deleteSlot = realDelete, dcSlot = realDc, releaseSlot = realRelease;
        DestroyWindow(options);
        ReleaseBar();
        FreeAllUserMenus(Globals.menus);
    }
    // CreateBar: as start-up makes it, without the timers of the status repaint; and its Options dialog.
    void CreateBar(uint32_t autoHide)
    {
        Globals.userVariables.autoHide = autoHide;
        ASSERT_EQ(1, CreateBarWindow());
        KillTimer(Handles.barWindowHandle, ALIGN_TIMER_ID);
        KillTimer(Handles.barWindowHandle, STATUS_TIMER_ID);
        record = {Globals.userVariables, !Globals.newShell, &barAnswers};
        options = CreateDialogParamA(Handles.appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), Handles.barWindowHandle, OptionsDialogProc, LPARAM(&record));
    }
    HWND options = nullptr;
    OptionsDialogRecord record;  // the dialog's own options
};

}  // namespace

TEST_F(Bar, ShellNotificationsMoveTheBarBesideAnotherBarAndBehindAnAnnouncedFullScreenWindow)
{
    // A 20-pixel bar came to the top, a film is active; each message twice (0: the callback); top -1: hidden.
    const std::string twice = " querypos(top) setpos(top) querypos(top)";
    const struct { uint32_t autoHide; UINT message; WPARAM code; LPARAM first, second; std::string docking; int top; bool onTop; }
        notes[] = {{0, 0, ABN_POSCHANGED, 0, 0, twice, 20, 1}, {1, 0, ABN_POSCHANGED, 0, 0, "", -1, 1}, {0, 0, ABN_STATECHANGE, 0, 0, "", 0, 1},
                   {0, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, 0, twice, 20, 1}, {0, 0, ABN_WINDOWARRANGE, 0, 0, "", 0, 1},
                   {0, 0, ABN_FULLSCREENAPP, TRUE, TRUE, "", 0, 0}, {0, 0, ABN_FULLSCREENAPP, TRUE, FALSE, "", 0, 1},
                   {0, WM_APP, 0, 0, 0, "", 0, 0}};  // the box "Immer sichtbar" switched off
    HWND film = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, Globals.screenWidth, Globals.screenHeight, 0, 0, 0, 0);
    for (const auto& n : notes) {
        TearDown();
        SetUp();
        CreateBar(n.autoHide);
        DestroyWindow(options);  // Wine keeps a window that owns another from becoming topmost again
        SetForegroundWindow(film);
        docking.clear(), otherBar = 20;
        for (LPARAM on : {n.first, n.second})
            n.message == WM_APP ? barAnswers.alwaysOnTop(false) : (void)SendMessageA(Handles.barWindowHandle, n.message ? n.message : callback, n.code, on);
        EXPECT_TRUE(n.docking == docking && n.top == (Top() < 0 ? -1 : Top())) << &n - notes << docking << " at " << Top();
        bool onTop = GetWindowLongA(Handles.barWindowHandle, GWL_EXSTYLE) & WS_EX_TOPMOST, below = driver::Below(Handles.barWindowHandle, film);
        EXPECT_TRUE(n.onTop == onTop && (n.code != ABN_FULLSCREENAPP || n.onTop != below)) << &n - notes;
    }
    DestroyWindow(film);
}

TEST_F(Bar, TheShellHearsTheBarAndARefusedAutoHideLeavesItInViewAtItsEdge)
{
    const UINT restart = WM_APP;  // the shell's "TaskbarCreated", registered at run time
    // At the bottom; auto-hide at start; the shell refuses it (from the start, or from the Options box clicked or
    // the message sent after it, WM_COPYDATA: a second start with "+a"); the app-bar messages since; in view (else 2 pixels of it); auto-hide after.
    const struct { bool bottom; uint32_t autoHide; bool refuse; int box; UINT message; const char* docking; bool inView; uint32_t after; } cases[] = {
        {0, 1, true, 0, 0, " new(top) autohide(top,on)", true, 0},
        {0, 0, true, IDC_AUTO_HIDE, 0, " autohide(top,on)", true, 0},
        {0, 0, true, 0, WM_COPYDATA, " autohide(top,on)", true, 0},
        {0, 1, true, IDC_DOCK_BOTTOM, 0, " autohide(top,off) autohide(bottom,on) remove(bottom) new(bottom) autohide(top,on)", true, 1},
        {0, 1, true, 0, restart, " new(top) autohide(top,on)", true, 0},
        {0, 1, false, 0, restart, " new(top) autohide(top,on)", false, 1},
        {0, 0, false, 0, restart, " new(top) querypos(top) setpos(top)", true, 0},
        {0, 0, false, 0, WM_DISPLAYCHANGE, " querypos(top) setpos(top)", true, 0},
        {0, 1, false, 0, WM_DISPLAYCHANGE, "", false, 1},
        {1, 0, false, 0, WM_DISPLAYCHANGE, " querypos(bottom) setpos(bottom)", true, 0},
        {1, 1, false, 0, WM_DISPLAYCHANGE, "", false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TearDown();
        SetUp();
        driver::BoxWatcher boxes;
        refuseAutoHide = c.refuse && !c.box && !c.message;
        Globals.userVariables.dockBottom = c.bottom;
        if (&c == cases) for (int m = 10; m < 30; ++m) AddEntry(AddMenu(Globals.menus, ("Menü " + std::to_string(m)).c_str()), "x");
        CreateBar(c.autoHide);
        if (c.box || c.message) {
            docking.clear();
            refuseAutoHide = c.refuse;
        }
        if (c.message == WM_DISPLAYCHANGE) Globals.screenHeight = 600;  // the old screen's
        if (c.box) SendDlgItemMessageA(options, c.box, BM_CLICK, 0, 0);
        if (c.message == WM_COPYDATA) SecondStartWith(Handles.barWindowHandle, &CommandLineSwitches::autoHide);
        else if (c.message) SendMessageA(Handles.barWindowHandle, c.message == restart ? Handles.taskbarCreatedMessage : c.message, 0, 0);
        EXPECT_EQ(c.docking, docking);
        const int height = GetSystemMetrics(SM_CYSCREEN), top = Top(), bottom = driver::WindowRect(Handles.barWindowHandle).bottom;
        EXPECT_TRUE(c.inView ? (c.bottom ? bottom == height : top == 0) : (c.bottom ? top == height - 2 : bottom == 2)) << top;
        EXPECT_TRUE(&c != cases || bottom - top == 2 * GetSystemMetrics(SM_CYMENU) + 10) << "both lines of twenty titles";
        EXPECT_EQ(c.refuse ? driver::Lines{"Fehler beim automatischen Verstecken\nder Men\xfcleiste! Ist dort die Task-Leiste?"} : driver::Lines{},
                  boxes.Texts());
        EXPECT_EQ(c.after, Globals.userVariables.autoHide);
        EXPECT_TRUE(!c.box || IsDlgButtonChecked(options, c.box) == BST_UNCHECKED) << "the refused box";
    }
}

TEST_F(Bar, TheOldShellsBarAlwaysHidesAndNeitherItNorTheEndOfAFatalStartSendsAnAppBarMessage)
{
    ExitBar(true);  // a start that failed before the window was made
    Globals.newShell = false;
    ASSERT_NE(0, RegisterBarClass(BarWindowProc));
    char key[USER_KEY_NAME_SIZE];
    FormatUserKeyName(key, sizeof key, Globals.userName);
    UserVariables stored = {1, 0, 0, 1, 0, 0, 1, 0, ""};  // auto-hide off
    ASSERT_TRUE(driver::WriteRegistryValue(key, "User_Variables", REG_BINARY, &stored, sizeof stored));
    LoadUserVariables(Globals.userVariables, CommandLineSwitches{}, !Globals.newShell, Globals.userName, Globals.profileFileName);
    driver::DeleteRegistryKey(key);
    EXPECT_EQ(1u, Globals.userVariables.autoHide) << "hidden although stored off";
    driver::BoxWatcher boxes;  // the old shell's auto-hide cannot be switched off
    CreateBar(Globals.userVariables.autoHide);
    for (int box : {IDC_DOCK_BOTTOM, IDC_AUTO_HIDE, IDC_DOCK_BOTTOM}) SendDlgItemMessageA(options, box, BM_CLICK, 0, 0);
    EXPECT_EQ(driver::Lines{"Automatisches Verstecken kann in Windows NT 3.x nicht abgeschaltet werden!"}, boxes.Texts());
    EXPECT_TRUE(IsDlgButtonChecked(options, IDC_AUTO_HIDE) && Top() < 0) << "still on";
    SendMessageA(Handles.barWindowHandle, WM_ACTIVATE, WA_ACTIVE, 0);
    ExitBar(true);
    EXPECT_EQ(0, shellMessages);
}

TEST(Settings, AStartWithoutTheRegistryEndsWithoutAWordWhenNoOptionChanged)
{
    // A volatile parent key refuses the lasting key of the user, at the start and at the end.
    HKEY parent;
    driver::DeleteRegistryKey("Software\\DeskRail");
    ASSERT_FALSE(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\DeskRail", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &parent, nullptr));
    RegCloseKey(parent);
    UserVariables options;
    char profile[PROFILE_FILE_NAME_SIZE] = "";
    driver::BoxWatcher boxes;
    LoadUserVariables(options, CommandLineSwitches{}, false, "anna", profile);
    EXPECT_EQ(1, SaveUserVariables(options, "anna")) << "nothing to store: no failure to report";
    EXPECT_EQ(driver::Lines{"Fehler beim Zugriff auf die Windows-Registrierungsdatei!\nDas Standard-Setup wird benutzt."}, boxes.Texts());
    driver::DeleteRegistryKey("Software\\DeskRail");
}

TEST_F(Bar, ChimeSoundsOnceAtTheLocalFullHourEvenHiddenAndAFailingWavWarnsOnce)
{
    // The chime's clock is the local one: in the half-hour zone the suite runs in, UTC would be 30 minutes off.
    SYSTEMTIME chime, before, after;  // read between two local readings of one minute
    do GetLocalTime(&before), Seams.readChimeClock(&chime), GetLocalTime(&after);
    while (before.wMinute != after.wMinute);
    EXPECT_EQ(before.wHour * 60 + before.wMinute, chime.wHour * 60 + chime.wMinute);
    CopyText(Globals.userVariables.chimeSound, "C:\\gong.wav");
    Globals.userVariables.hourlyChime = 0;
    CreateBar(0);
    driver::Seam clock(Seams.readChimeClock, Clock);
    driver::Seam sound(Seams.playChimeSound, Sound);
    // The chime on; the bar in view; the sound plays; woken in the full hour; two ticks of it play it so often.
    const struct { uint32_t on; bool shown; BOOL works; bool woken; size_t plays; } steps[] = {
        {1, true, FALSE, false, 1}, {0, true, TRUE, false, 0}, {1, false, TRUE, false, 1}, {1, true, TRUE, true, 0}};
    driver::BoxWatcher boxes;
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        Globals.userVariables.hourlyChime = 1, minute = 1;
        SendMessageA(Handles.barWindowHandle, WM_TIMER, STATUS_TIMER_ID, 0);  // a new hour
        minute = 0;
        if (record.options.hourlyChime != step.on) SendDlgItemMessageA(options, IDC_HOURLY_CHIME, BM_CLICK, 0, 0);  // the box asks the bar
        Globals.barShown = step.shown;
        soundWorks = step.works;
        played.clear();
        SendMessageA(Handles.barWindowHandle, step.woken ? WM_POWERBROADCAST : WM_TIMER, step.woken ? PBT_APMRESUMEAUTOMATIC : STATUS_TIMER_ID, 0);
        SendMessageA(Handles.barWindowHandle, WM_TIMER, STATUS_TIMER_ID, 0);
        EXPECT_EQ(driver::Lines(step.plays, "C:\\gong.wav"), played);
        EXPECT_EQ(step.woken, KillTimer(Handles.barWindowHandle, ALIGN_TIMER_ID) != 0) << "the status on the clock's ten seconds";
        EXPECT_EQ(step.plays && !step.works ? driver::Lines{WAV_FAILED_TEXT} : driver::Lines{}, boxes.Texts());
    }
}

TEST_F(Bar, MenuBarShowsEveryMenuAndEntryAndEachCommandFindsItsEntry)
{
    AddMenu(Globals.menus, "Leer");
    UserMenu* apps = AddMenu(Globals.menus, "&Apps");
    AddEntry(apps, "&Editor", 1);
    AddEntry(apps, "&Rechner");
    CreateBar(0);
    HMENU bar = GetMenu(Handles.barWindowHandle);
    EXPECT_EQ(" Leer( ) &Apps( - &Editor &Rechner )", Read(bar));
    RebuildMenuBar();
    EXPECT_FALSE(IsMenu(bar)) << "the old menu bar is freed";
}

BOOL WINAPI SixGigabytes(LPMEMORYSTATUSEX status) { return status->ullAvailPhys = 6ull << 30, TRUE; }
BOOL WINAPI Fails(LPMEMORYSTATUSEX) { return FALSE; }

TEST_F(Bar, FreeMemoryFromTheLookedUpCallElseFromTheOldOne)
{
    MEMORYSTATUSEX now = {sizeof now, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(Seams.memoryStatusEx(&now)) << "looked up by its name";
    driver::Seam seam(Seams.memoryStatusEx, Seams.memoryStatusEx);
    // Beyond the 2 GB of the old call; a failed call and none give the old call's figure, below 4 GB.
    for (auto [call, most] : {std::make_pair(SixGigabytes, 6ull << 30), {Fails, 4ull << 30}, {nullptr, 4ull << 30}}) {
        Seams.memoryStatusEx = call;
        EXPECT_TRUE(most == 6ull << 30 ? AvailableMemory() == most : AvailableMemory() < most);
    }
}

TEST_F(Bar, StatusTextAndBatteryEndSevenPixelsFromTheRightInTheMenuFontAndAFailedPowerQueryShowsNoBattery)
{
    Globals.userVariables.showTime = Globals.userVariables.showFreeMemory = 0;
    CopyText(Globals.userName, "anna");
    CreateBar(0);
    SendDlgItemMessageA(options, IDC_SHOW_USER_NAME, BM_CLICK, 0, 0);  // the name from now on, as the box asks
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    const std::string end = "|" + std::to_string(Globals.screenWidth - 7) + "|centred|" + metrics.lfMenuFont.lfFaceName +
                            std::to_string(metrics.lfMenuFont.lfHeight) + "|",
                      text = end + std::to_string(GetSysColor(COLOR_MENUTEXT));
    const auto realPower = powerSlot;
    Globals.powerStatusAvailable = true, textSlot = Text, menuBarSlot = MenuBar;
    // On battery at 57 %, in green; a failed query, its zeroed record read as on battery, 0 %.
    for (auto [query, status] : {std::make_pair(PowerAt57, " wipe anna  57%" + text + " 57%" + end + "32768"),
                                 std::make_pair(PowerFails, " wipe anna  " + text)}) {
        powerSlot = query, Globals.onBattery = true, drawn.clear();
        SendMessageA(Handles.barWindowHandle, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
        EXPECT_EQ(status, drawn);
        EXPECT_EQ(query == PowerAt57, Globals.onBattery);
    }
    // The tick draws a text that changed, and only that.
    for (auto [name, status] : {std::make_pair("anna", std::string()), {"ben", " wipe ben  " + text}}) {
        CopyText(Globals.userName, name), drawn.clear();
        SendMessageA(Handles.barWindowHandle, WM_TIMER, STATUS_TIMER_ID, 0);
        EXPECT_EQ(status, drawn);
    }
    powerSlot = realPower, textSlot = realText, menuBarSlot = realMenuBar, Globals.userName[0] = 0;
}

TEST_F(Bar, StatusTicksEvery10SecondsAndTheAutoHidePollEveryHalfSecondSparesTheActiveBarOutlivesTheTickAndEndsWithAutoHide)
{
    CreateBar(1);
    SlideBar(false);
    SetCursorPos(Globals.screenWidth / 2, Globals.screenHeight / 2);
    SetActiveWindow(Handles.barWindowHandle);  // as while its own menu is open
    timerSlot = Timer;
    const struct { UINT message; WPARAM id; const char* periods; } ticks[] = {
        {WM_TIMER, ALIGN_TIMER_ID, " 10000"}, {WM_NCMOUSEMOVE, HTMENU, " 500"}, {WM_TIMER, AUTOHIDE_TIMER_ID, ""}};
    for (const auto& t : ticks) {
        timers.clear();
        SendMessageA(Handles.barWindowHandle, t.message, t.id, 0);
        EXPECT_EQ(t.periods, timers);
    }
    timerSlot = realTimer;
    EXPECT_EQ(0, Top()) << "in view while the bar is active";
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 300, 50, 50, 0, 0, 0, 0);
    SetActiveWindow(other);  // hides the bar
    SlideBar(false);
    SendMessageA(Handles.barWindowHandle, WM_NCMOUSEMOVE, HTMENU, 0);
    SendMessageA(Handles.barWindowHandle, WM_TIMER, ALIGN_TIMER_ID, 0);
    EXPECT_TRUE(Pump(5000, [] { return Top() < 0; })) << "the mouse has left: the poll hides the bar";
    SlideBar(false);
    SendMessageA(Handles.barWindowHandle, WM_NCMOUSEMOVE, HTMENU, 0);
    Globals.userVariables.autoHide = 0;
    Pump(700);
    EXPECT_FALSE(KillTimer(Handles.barWindowHandle, AUTOHIDE_TIMER_ID)) << "no poll without auto-hide";
    EXPECT_EQ(0, Top()) << "nor a slide";
    DestroyWindow(other);
}

TEST_F(Bar, EachPopupItemOpensItsOwnDialogWithAllItsControlsInsideThatOnlyOkClosesOrEndsTheBar)
{
    driver::TempDir dir;
    CopyText(Globals.programDirectory, dir.Path().c_str());
    Globals.userVariables.hourlyChime = Globals.userVariables.showDate = 0;
    CreateBar(0);
    EXPECT_EQ(COLOR_MENU + 1, static_cast<int>(GetClassLongA(Handles.barWindowHandle, GCL_HBRBACKGROUND))) << "menu-coloured";
    HMENU resource = LoadMenuA(Handles.appInstance, MAKEINTRESOURCEA(IDM_POPUP)), popup = GetSubMenu(resource, 0);
    HWND bar = Handles.barWindowHandle;
    std::string seen;
    bool done = false;
    std::thread user([&] {
        for (; !done; Sleep(20))
            for (HWND w : driver::TopWindows(GetCurrentProcessId(), "#32770"))
                if (GetWindow(w, GW_OWNER) == bar) {
                    seen += " = " + driver::WindowText(w);
                    RECT client, part, inside;
                    GetClientRect(w, &client);
                    for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                        part = driver::WindowRect(child);
                        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&part), 2);
                        IntersectRect(&inside, &part, &client);
                        seen += EqualRect(&inside, &part) ? "" : " (out: " + driver::WindowText(child) + ")";
                    }
                    if (driver::WindowText(w) == "Optionen") SecondStartWith(bar, &CommandLineSwitches::showDate);  // "+d" meanwhile
                    driver::PressButton(w, IDCANCEL);  // as Esc does
                    if (driver::WaitFor([&] { return !IsWindowVisible(w); }, 300)) continue;
                    seen += " (Esc)";  // stays
                    driver::ClickBox(w, IDOK);
                    if (!driver::WaitFor([&] { return !IsWindowVisible(w); }, 2000))
                        seen += " (stays)", EndDialog(w, 0), PostMessageA(w, WM_NULL, 0, 0);
                }
    });
    char text[64];
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        seen += GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION) ? std::string(" ") + text : " -";
        if (GetMenuItemID(popup, i)) SendMessageA(bar, WM_COMMAND, GetMenuItemID(popup, i), 0);
    }
    done = true;
    user.join();
    MSG quit;
    EXPECT_EQ(" &Menüs ändern ... = Benutzerdefinierte Menüs (Esc) &Optionen ... = Optionen (Esc) - Über &DeskRail ... = "
              "Über DeskRail (Esc) DeskRail &beenden gone",
              seen + (IsWindow(bar) || !PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? "" : " gone"));
    EXPECT_EQ(1u, Globals.userVariables.showDate) << "the second start's date stays after the dialog's OK";
    DestroyMenu(resource);
    char key[USER_KEY_NAME_SIZE];
    FormatUserKeyName(key, sizeof key, Globals.userName);
    driver::DeleteRegistryKey(key);
}

TEST_F(Bar, WithFullWindowDragTheBarSlidesOutIn300MsAndBackIn200Ms)
{
    BOOL dragged = FALSE;  // Wine's default is off: the bar would jump
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &dragged, 0);
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    CreateBar(0);
    ASSERT_EQ(29, driver::WindowRect(Handles.barWindowHandle).bottom) << "the rig's menu line is 19 pixels";
    tickSlot = Ticks, placeSlot = Place;
    std::vector<int> hiding, coming;
    SlideBar(true);
    hiding.swap(slideTops);
    SlideBar(false);
    coming.swap(slideTops);
    tickSlot = realTicks, placeSlot = realPlace;
    SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, dragged, nullptr, 0);
    // Every 50 ms of 300 a sixth of the 27 pixels, then the hidden place; every 50 ms of 200 a quarter.
    EXPECT_EQ((std::vector<int>{-4, -9, -13, -18, -22, -27}), hiding);
    EXPECT_EQ((std::vector<int>{-21, -14, -7, 0}), coming);
}
