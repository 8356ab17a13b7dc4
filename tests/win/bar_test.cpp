// The bar made by the program's own code in this process, before stand-ins for the shell (Wine's never
// refuses auto-hide), the clock (the full hour cannot be waited for) and the sound device.
#include <gtest/gtest.h>

#include "base/process_state_win.h"
#include "base/sound_win.h"
#include "base/texts.h"
#include "menus/menu_bar_win.h"
#include "menus/menu_numbering.h"
#include "model_builders.h"
#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "settings/user_variables.h"
#include "shell/bar_window_win.h"
#include "shell/docking_win.h"
#include "shell/shell_state_win.h"
#include "shell/startup_win.h"
#include "status/status_line_win.h"
#include "win_driver.h"

using Lines = std::vector<std::string>;

// Wine counts no GDI objects, so the program's own calls are counted in the executable's import slots.
extern decltype(&CreateFontIndirectA) fontSlot asm("__imp__CreateFontIndirectA@4");
extern decltype(&DeleteObject) deleteSlot asm("__imp__DeleteObject@4");
extern decltype(&GetWindowDC) dcSlot asm("__imp__GetWindowDC@4");
extern decltype(&ReleaseDC) releaseSlot asm("__imp__ReleaseDC@8");

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

std::string docking;  // the app-bar messages but activation and moves, e.g. " new(top) autohide(top,on)"
int shellMessages;    // all of them
bool refuseAutoHide;  // as when another bar holds the edge
int otherBar;         // the height of another bar at the top edge
UINT callback;        // the bar's callback message, as registered
BOOL soundWorks;
Lines played;

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
void WINAPI FullHour(LPSYSTEMTIME now) { *now = SYSTEMTIME{2000, 1, 6, 1, 12, 0, 0, 0}; }
BOOL WINAPI Sound(const char* path)
{
    played.push_back(path);
    return soundWorks;
}
Lines Texts(driver::BoxWatcher& boxes)
{
    Lines texts;
    for (const driver::Box& box : boxes.Take()) texts.push_back(box.text);
    return texts;
}
// Read: a menu as the user sees it; "-" a separator; an entry whose command finds another marked.
std::string Read(HMENU menu)
{
    std::string read;
    char text[64];
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        ProgramItem* item = FindProgramForCommand(GetMenuItemID(menu, i));
        if (GetSubMenu(menu, i)) read += std::string(" ") + text + "(" + Read(GetSubMenu(menu, i)) + " )";
        else if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) read += " -";
        else read += std::string(" ") + text + (item && !strcmp(text, item->name) ? "" : "(no command)");
    }
    return read;
}
int Top() { return driver::WindowRect(barWindowHandle).top; }
// Pump: the bar's messages and timers for a while, as its message loop would.
void Pump(DWORD ms)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10))
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
}

class Bar : public ::testing::Test {
protected:
    void SetUp() override
    {
        appInstance = GetModuleHandleA(nullptr);
        newShell = true;
        screenWidth = GetSystemMetrics(SM_CXSCREEN);
        screenHeight = GetSystemMetrics(SM_CYSCREEN);
        SetDefaultUserVariables(userVariables);
        appBarMessage = Shell;
        docking.clear();
        shellMessages = 0;
        refuseAutoHide = false;
        otherBar = 0;
        held = 0;
        fontSlot = Font;
        deleteSlot = Delete;
        dcSlot = Dc;
        releaseSlot = Release;
        ASSERT_NE(0, RegisterBarClass());
    }
    // Every test's status repaints gave back what they took.
    void TearDown() override
    {
        EXPECT_EQ(0, held);
        fontSlot = realFont;
        deleteSlot = realDelete;
        dcSlot = realDc;
        releaseSlot = realRelease;
        DestroyWindow(options);
        ReleaseBar();
        FreeAllUserMenus();
        appBarMessage = SHAppBarMessage;
    }
    // CreateBar: as start-up makes it, without the timers of the status repaint; and its Options dialog.
    void CreateBar(uint32_t autoHide)
    {
        userVariables.autoHide = autoHide;
        ASSERT_EQ(1, CreateBarWindow());
        KillTimer(barWindowHandle, ALIGN_TIMER_ID);
        KillTimer(barWindowHandle, STATUS_TIMER_ID);
        options = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), barWindowHandle, OptionsDialogProc, 0);
    }
    HWND options = nullptr;
};

}  // namespace

TEST_F(Bar, ShellNotificationsMoveTheBarBesideAnotherBarAndBehindAnAnnouncedFullScreenWindow)
{
    // A 20-pixel bar came to the top, a film is active; each message twice (0: the callback); top -1: hidden.
    const std::string twice = " querypos(top) setpos(top) querypos(top)";
    const struct { uint32_t autoHide; UINT message; WPARAM code; LPARAM first, second; std::string docking; int top; bool onTop; }
        notes[] = {{0, 0, ABN_POSCHANGED, 0, 0, twice, 20, 1}, {1, 0, ABN_POSCHANGED, 0, 0, "", -1, 1}, {0, 0, ABN_STATECHANGE, 0, 0, "", 0, 1},
                   {0, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, 0, twice, 20, 1}, {0, 0, ABN_WINDOWARRANGE, 0, 0, "", 0, 1},
                   {0, 0, ABN_FULLSCREENAPP, TRUE, TRUE, "", 0, 0}, {0, 0, ABN_FULLSCREENAPP, TRUE, FALSE, "", 0, 1}};
    HWND film = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, screenWidth, screenHeight, 0, 0, 0, 0);
    for (const auto& n : notes) {
        TearDown();
        SetUp();
        CreateBar(n.autoHide);
        DestroyWindow(options);  // Wine keeps a window that owns another from becoming topmost again
        SetForegroundWindow(film);
        docking.clear(), otherBar = 20;
        for (LPARAM on : {n.first, n.second}) SendMessageA(barWindowHandle, n.message ? n.message : callback, n.code, on);
        EXPECT_TRUE(n.docking == docking && n.top == (Top() < 0 ? -1 : Top())) << &n - notes << docking << " at " << Top();
        bool onTop = GetWindowLongA(barWindowHandle, GWL_EXSTYLE) & WS_EX_TOPMOST, below = driver::Below(barWindowHandle, film);
        EXPECT_TRUE(n.onTop == onTop && n.onTop != below) << &n - notes;
    }
    DestroyWindow(film);
}

TEST_F(Bar, TheShellHearsTheBarAndARefusedAutoHideLeavesItInViewAtItsEdge)
{
    const UINT restart = WM_APP;  // the shell's "TaskbarCreated", registered at run time
    // Auto-hide at start; the shell refuses it (from the start, or from the Options box clicked or the message
    // sent after it); the app-bar messages since; in view; auto-hide after.
    const struct { uint32_t autoHide; bool refuse; int box; UINT message; const char* docking; bool inView; uint32_t after; } cases[] = {
        {1, true, 0, 0, " new(top) autohide(top,on)", true, 0},
        {0, true, IDC_AUTO_HIDE, 0, " autohide(top,on)", true, 0},
        {1, true, IDC_DOCK_BOTTOM, 0, " autohide(top,off) autohide(bottom,on) remove(bottom) new(bottom) autohide(top,on)", true, 1},
        {1, true, 0, restart, " new(top) autohide(top,on)", true, 0},
        {1, false, 0, restart, " new(top) autohide(top,on)", false, 1},
        {0, false, 0, restart, " new(top) querypos(top) setpos(top)", true, 0},
        {0, false, 0, WM_DISPLAYCHANGE, " querypos(top) setpos(top)", true, 0},
        {1, false, 0, WM_DISPLAYCHANGE, "", false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TearDown();
        SetUp();
        driver::BoxWatcher boxes;
        refuseAutoHide = c.refuse && !c.box && !c.message;
        CreateBar(c.autoHide);
        if (c.box || c.message) {
            docking.clear();
            refuseAutoHide = c.refuse;
        }
        if (c.box) SendDlgItemMessageA(options, c.box, BM_CLICK, 0, 0);
        if (c.message) SendMessageA(barWindowHandle, c.message == restart ? taskbarCreatedMessage : c.message, 0, 0);
        EXPECT_EQ(c.docking, docking);
        EXPECT_EQ(c.inView, Top() == 0) << Top();
        EXPECT_EQ(c.refuse ? Lines{AUTOHIDE_REFUSED_TEXT} : Lines{}, Texts(boxes));
        EXPECT_EQ(c.after, userVariables.autoHide);
        EXPECT_TRUE(!c.box || IsDlgButtonChecked(options, c.box) == BST_UNCHECKED) << "the refused box";
    }
}

TEST_F(Bar, TheOldShellAndTheEndOfAFatalStartSendNoAppBarMessage)
{
    ExitBar(true);  // a start that failed before the window was made
    newShell = false;
    ASSERT_NE(0, RegisterBarClass());
    driver::BoxWatcher boxes;  // the old shell's auto-hide cannot be switched off
    CreateBar(1);
    for (int box : {IDC_DOCK_BOTTOM, IDC_AUTO_HIDE, IDC_DOCK_BOTTOM}) SendDlgItemMessageA(options, box, BM_CLICK, 0, 0);
    SendMessageA(barWindowHandle, WM_ACTIVATE, WA_ACTIVE, 0);
    ExitBar(true);
    EXPECT_EQ(0, shellMessages);
}

TEST_F(Bar, ChimeSoundsOnceAtTheLocalFullHourEvenHiddenAndAFailingWavWarnsOnce)
{
    // The chime's clock is the local one: in the half-hour zone the suite runs in, UTC would be 30 minutes off.
    SYSTEMTIME chime, local;
    readChimeClock(&chime);
    GetLocalTime(&local);
    EXPECT_LE(std::abs((local.wHour * 60 + local.wMinute) - (chime.wHour * 60 + chime.wMinute)) % (23 * 60), 1);
    CopyText(userVariables.chimeSound, "C:\\gong.wav");
    userVariables.hourlyChime = 0;
    CreateBar(0);
    const ClockFunction realClock = readChimeClock;
    const ChimeSoundFunction realSound = playChimeSound;
    readChimeClock = FullHour;
    playChimeSound = Sound;
    // The chime on; the bar in view; the sound plays; woken in the full hour; two ticks of it play it so often.
    const struct { uint32_t on; bool shown; BOOL works; bool woken; size_t plays; } steps[] = {
        {1, true, FALSE, false, 1}, {0, true, TRUE, false, 0}, {1, false, TRUE, false, 1}, {1, true, TRUE, true, 0}};
    driver::BoxWatcher boxes;
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        userVariables.hourlyChime = step.on;
        barShown = step.shown;
        soundWorks = step.works;
        chimePlayed = false;
        played.clear();
        step.woken ? SendMessageA(barWindowHandle, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0) : (UpdateStatusLine(), 0);
        UpdateStatusLine();
        EXPECT_EQ(Lines(step.plays, "C:\\gong.wav"), played);
        EXPECT_EQ(step.woken, KillTimer(barWindowHandle, ALIGN_TIMER_ID) != 0) << "the status on the clock's ten seconds";
        EXPECT_EQ(step.plays && !step.works ? Lines{WAV_FAILED_TEXT} : Lines{}, Texts(boxes));
    }
    readChimeClock = realClock;
    playChimeSound = realSound;
}

TEST_F(Bar, MenuBarShowsEveryMenuAndEntryAndEachCommandFindsItsEntry)
{
    AddMenu("Leer");
    UserMenu* apps = AddMenu("&Apps");
    AddEntry(apps, "&Editor", 1);
    AddEntry(apps, "&Rechner");
    CreateBar(0);
    HMENU bar = GetMenu(barWindowHandle);
    EXPECT_EQ(" Leer( ) &Apps( - &Editor &Rechner )", Read(bar));
    EXPECT_EQ(2, BuildMenuBar());
    EXPECT_FALSE(IsMenu(bar)) << "the old menu bar is freed";
}

TEST_F(Bar, AutoHidePollOutlivesTheFirstStatusTickAndEndsWithAutoHide)
{
    CreateBar(1);
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 300, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    SetActiveWindow(other);
    SlideBar(false);
    SetCursorPos(screenWidth / 2, screenHeight / 2);
    SendMessageA(barWindowHandle, WM_NCMOUSEMOVE, HTMENU, 0);
    SendMessageA(barWindowHandle, WM_TIMER, ALIGN_TIMER_ID, 0);
    EXPECT_EQ(0, Top());
    Pump(800);
    EXPECT_LT(Top(), 0) << "the mouse has left: the poll hides the bar";
    SlideBar(false);
    SendMessageA(barWindowHandle, WM_NCMOUSEMOVE, HTMENU, 0);
    userVariables.autoHide = 0;
    Pump(700);
    EXPECT_FALSE(KillTimer(barWindowHandle, AUTOHIDE_TIMER_ID)) << "no poll without auto-hide";
    EXPECT_EQ(0, Top()) << "nor a slide";
    DestroyWindow(other);
}

TEST_F(Bar, FreeMemoryFromTheOldCallWhereTheLookUpFindsNone)
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    if (status.ullAvailPhys < (3ull << 30)) GTEST_SKIP() << "needs more than 3 GB free";
    const MemoryStatusExFunction lookedUp = memoryStatusEx;
    memoryStatusEx = nullptr;  // a system without the call
    EXPECT_LT(AvailableMemory(), 2ull << 30);
    EXPECT_GT(AvailableMemory(), 1ull << 30) << "the old call's figure";
    memoryStatusEx = lookedUp;
}
