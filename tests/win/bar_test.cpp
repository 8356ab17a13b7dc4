// The bar made by the program's own code in this process, before stand-ins for the shell (Wine's never
// refuses auto-hide), the clock (the full hour cannot be waited for) and the sound device.
#include <gtest/gtest.h>

#include "base/process_state_win.h"
#include "base/sound_win.h"
#include "base/text.h"
#include "base/texts.h"
#include "menus/menu_bar_win.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"
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

namespace {
std::string docking;  // the app-bar messages but activation and moves, e.g. " new(top) autohide(top,on)"
int shellMessages;    // all of them
bool refuseAutoHide;  // as when another bar holds the edge
WORD minute;
BOOL soundWorks;
Lines played;

UINT_PTR WINAPI Shell(DWORD message, PAPPBARDATA data)
{
    const char* names[] = {"new", "remove", "querypos", "setpos", "", "", "", "", "autohide"};
    ++shellMessages;
    if (message < 9 && *names[message])
        docking += std::string(" ") + names[message] + (data->uEdge == ABE_BOTTOM ? "(bottom" : "(top") +
                   (message != ABM_SETAUTOHIDEBAR ? ")" : data->lParam ? ",on)" : ",off)");
    return !(message == ABM_SETAUTOHIDEBAR && data->lParam && refuseAutoHide);
}
void WINAPI Clock(LPSYSTEMTIME now) { GetSystemTime(now), now->wMinute = minute; }
BOOL WINAPI Sound(const char* path) { return played.push_back(path), soundWorks; }
Lines Texts(driver::BoxWatcher& boxes)
{
    Lines texts;
    for (const driver::Box& box : boxes.Take()) texts.push_back(box.text);
    return texts;
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
        ASSERT_NE(0, RegisterBarClass());
    }
    void TearDown() override
    {
        DestroyWindow(options);
        ReleaseBar();
        FreeAllUserMenus();
        appBarMessage = SHAppBarMessage;
    }
    // CreateBar: as start-up makes it, without the timers of the status repaint; and its Options dialog.
    void CreateBar()
    {
        ASSERT_EQ(1, CreateBarWindow());
        KillTimer(barWindowHandle, ALIGN_TIMER_ID);
        KillTimer(barWindowHandle, STATUS_TIMER_ID);
        options = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), barWindowHandle, OptionsDialogProc, 0);
    }
    void Click(int box) { SendMessageA(GetDlgItem(options, box), BM_CLICK, 0, 0); }
    HWND options = nullptr;
};
}  // namespace

TEST_F(Bar, RefusedAutoHideWarnsAndLeavesTheBarAsItWas)
{
    // autoHide at start; the Options box clicked once the shell refuses (0: refused at start); the docking since.
    const struct { uint32_t autoHide; int box; const char* docking; } cases[] = {
        {1, 0, " new(top) autohide(top,on)"},
        {0, IDC_AUTO_HIDE, " autohide(top,on)"},
        {1, IDC_DOCK_BOTTOM, " autohide(top,off) autohide(bottom,on) remove(bottom) new(bottom) autohide(top,on)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        TearDown(), SetUp();
        userVariables.autoHide = c.autoHide;
        refuseAutoHide = !c.box;
        driver::BoxWatcher boxes;
        CreateBar();
        if (c.box) docking.clear(), refuseAutoHide = true, Click(c.box);
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(options, c.box ? c.box : IDC_AUTO_HIDE));
        EXPECT_EQ(Lines{AUTOHIDE_REFUSED_TEXT}, Texts(boxes));
        EXPECT_EQ(c.docking, docking);
        EXPECT_EQ(c.box ? c.autoHide : 0, userVariables.autoHide);
        EXPECT_EQ(0u, userVariables.dockBottom);
        RECT rect;
        GetWindowRect(barWindowHandle, &rect);
        EXPECT_EQ(0, rect.top) << "in view at the top";
    }
}

TEST_F(Bar, OldShellGetsNoAppBarMessage)
{
    newShell = false;
    driver::BoxWatcher boxes;  // the old shell's auto-hide cannot be switched off
    CreateBar();
    for (int box : {IDC_DOCK_BOTTOM, IDC_AUTO_HIDE, IDC_DOCK_BOTTOM}) Click(box);
    SendMessageA(barWindowHandle, WM_ACTIVATE, WA_ACTIVE, 0);
    ReleaseBar();
    EXPECT_EQ(0, shellMessages);
}

TEST_F(Bar, ChimeSoundsOnceAnHourEvenHiddenAndAFailingWavWarnsOnce)
{
    const ClockFunction realClock = readChimeClock;
    const ChimeSoundFunction realSound = playChimeSound;
    readChimeClock = Clock, playChimeSound = Sound;
    userVariables.autoHide = 0;
    CopyText(userVariables.chimeSound, "C:\\gong.wav");
    minute = 30;
    CreateBar();
    const struct { uint32_t on; WORD minute; bool shown; BOOL works; size_t plays; bool warned; } steps[] = {
        {1, 0, true, FALSE, 1, true}, {1, 0, true, FALSE, 0, false}, {1, 1, true, FALSE, 0, false},
        {0, 0, true, TRUE, 0, false}, {1, 0, false, TRUE, 1, false}, {1, 0, false, TRUE, 0, false}};
    driver::BoxWatcher boxes;
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        userVariables.hourlyChime = step.on, minute = step.minute, barShown = step.shown, soundWorks = step.works;
        played.clear();
        UpdateStatusLine();
        EXPECT_EQ(Lines(step.plays, "C:\\gong.wav"), played);
        EXPECT_EQ(step.warned ? Lines{WAV_FAILED_TEXT} : Lines{}, Texts(boxes));
    }
    readChimeClock = realClock, playChimeSound = realSound;
}

TEST_F(Bar, MenuBarShowsEveryMenuAndEntryAndEachCommandFindsItsEntry)
{
    // "-": a separator line above the entry.
    const char* model[][3] = {{"Leer"}, {"&Apps", "&Editor", "-&Rechner"}, {"&Games", "-&Minesweeper", "&Solitaire"}};
    for (const auto& m : model) {
        UserMenu* menu = CreateUserMenu();
        CopyText(menu->name, m[0]);
        AppendUserMenu(menu);
        for (int i = 1; i < 3 && m[i]; ++i) {
            ProgramItem* item = CreateProgramItem();
            item->separatorBefore = m[i][0] == '-';
            CopyText(item->name, m[i] + item->separatorBefore);
            AppendProgramItem(menu, item);
        }
    }
    userVariables.autoHide = 0;
    CreateBar();
    std::string read;
    char text[64];
    HMENU bar = GetMenu(barWindowHandle);
    for (int m = 0; m < GetMenuItemCount(bar); ++m) {
        HMENU dropDown = GetSubMenu(bar, m);
        GetMenuStringA(bar, m, text, sizeof text, MF_BYPOSITION);
        read += std::string(m ? " | " : "") + text + ":";
        for (int i = 0; i < GetMenuItemCount(dropDown); ++i) {
            GetMenuStringA(dropDown, i, text, sizeof text, MF_BYPOSITION);
            ProgramItem* item = FindProgramForCommand(GetMenuItemID(dropDown, i));
            if (GetMenuState(dropDown, i, MF_BYPOSITION) & MF_SEPARATOR) read += " -";
            else read += std::string(" ") + text + (item && !strcmp(text, item->name) ? "" : "(no command)");
        }
    }
    EXPECT_EQ("Leer: | &Apps: &Editor - &Rechner | &Games: - &Minesweeper &Solitaire", read);
    EXPECT_EQ(3, BuildMenuBar());
    EXPECT_FALSE(IsMenu(bar)) << "the old menu bar is freed";
}

// Wine counts no GDI objects, so the repaint's own calls are counted in the executable's import slots.
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
}  // namespace

TEST_F(Bar, RepaintsGiveBackEveryFontAndDeviceContext)
{
    userVariables.autoHide = 0;
    CreateBar();
    held = 0;
    fontSlot = Font, deleteSlot = Delete, dcSlot = Dc, releaseSlot = Release;
    for (int i = 0; i < 10; ++i) UpdateStatusLine();
    fontSlot = realFont, deleteSlot = realDelete, dcSlot = realDc, releaseSlot = realRelease;
    EXPECT_EQ(0, held);
}

namespace {
// Pump: the bar's messages and timers for a while, as its message loop would.
void Pump(DWORD ms)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10))
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
}
int Top() { return driver::WindowRect(barWindowHandle).top; }
}  // namespace

TEST_F(Bar, RestartedShellsDisplayChangesAndAFatalStartGetWhatTheBarHas)
{
    // autoHide; the event (0: the end of a start whose window never came); the shell traffic; in view after.
    const struct { uint32_t autoHide; UINT event; const char* docking; bool inView; } cases[] = {
        {1, 1, " new(top) autohide(top,on)", false},
        {0, 1, " new(top) querypos(top) setpos(top)", true},
        {0, WM_DISPLAYCHANGE, " querypos(top) setpos(top)", true},
        {1, WM_DISPLAYCHANGE, "", false},
        {0, 0, "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TearDown(), SetUp();
        userVariables.autoHide = c.autoHide;
        if (!c.event) {
            ExitBar(true);
        } else {
            CreateBar();
            docking.clear();
            SendMessageA(barWindowHandle, c.event == 1 ? taskbarCreatedMessage : c.event, 0, 0);
            EXPECT_EQ(c.inView, Top() == 0) << Top();
        }
        EXPECT_EQ(c.docking, docking);
    }
}

TEST_F(Bar, AutoHidePollOutlivesTheFirstStatusTickAndEndsWithAutoHide)
{
    CreateBar();
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
    DestroyWindow(other);
}

TEST_F(Bar, FreeMemoryAboveTwoGigabytesWhereTheSystemTellsIt)
{
    MEMORYSTATUSEX status = {sizeof status};
    GlobalMemoryStatusEx(&status);
    if (status.ullAvailPhys < (3ull << 30)) GTEST_SKIP() << "needs more than 3 GB free";
    EXPECT_GT(AvailableMemory(), 2ull << 30);
    const MemoryStatusExFunction lookedUp = memoryStatusEx;
    memoryStatusEx = nullptr;  // a system without the call
    EXPECT_LT(AvailableMemory(), 2ull << 30);
    memoryStatusEx = lookedUp;
}

TEST_F(Bar, ChimeKeepsTheLocalHour)
{
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    if (zone.Bias % 60 == 0) GTEST_SKIP() << "needs a half-hour time zone (TZ=Asia/Kolkata)";
    SYSTEMTIME chime, local;
    readChimeClock(&chime);
    GetLocalTime(&local);
    EXPECT_LE(std::abs((local.wHour * 60 + local.wMinute) - (chime.wHour * 60 + chime.wMinute)) % (23 * 60), 1);
}
