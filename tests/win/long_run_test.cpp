// Long runs leave nothing behind: every font, device context and menu the
// program makes while refreshing the status text, rebuilding the menu bar
// and opening its dialogs is given back.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "menus/menu_bar_win.h"
#include "menus/menu_model.h"
#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"
#include "shell/text.h"
#include "status/status_line.h"
#include "win_import_hook.h"
#include "win_inprocess_bar.h"

using namespace driver;

namespace {

std::vector<HGDIOBJ> fontsMade;
std::multiset<HGDIOBJ> objectsDeleted;
int dcsTaken, dcsGiven;
std::vector<HMENU> menusMade;

ImportHook* fontHook;
ImportHook* deleteHook;
ImportHook* getDcHook;
ImportHook* releaseDcHook;
ImportHook* menuHook;

HFONT WINAPI CountCreateFont(const LOGFONTA* font)
{
    HFONT made = reinterpret_cast<decltype(&CreateFontIndirectA)>(fontHook->Original())(font);
    fontsMade.push_back(made);
    return made;
}
BOOL WINAPI CountDeleteObject(HGDIOBJ object)
{
    objectsDeleted.insert(object);
    return reinterpret_cast<decltype(&DeleteObject)>(deleteHook->Original())(object);
}
HDC WINAPI CountGetWindowDC(HWND window)
{
    ++dcsTaken;
    return reinterpret_cast<decltype(&GetWindowDC)>(getDcHook->Original())(window);
}
int WINAPI CountReleaseDC(HWND window, HDC dc)
{
    ++dcsGiven;
    return reinterpret_cast<decltype(&ReleaseDC)>(releaseDcHook->Original())(window, dc);
}
HMENU WINAPI CountCreateMenu()
{
    HMENU made = reinterpret_cast<decltype(&CreateMenu)>(menuHook->Original())();
    menusMade.push_back(made);
    return made;
}

class LongRun : public InProcessBarTest {
protected:
    void SetUp() override
    {
        InProcessBarTest::SetUp();
        fontsMade.clear();
        objectsDeleted.clear();
        dcsTaken = dcsGiven = 0;
        menusMade.clear();
        hooks[0] = fontHook = new ImportHook("gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(CountCreateFont));
        hooks[1] = deleteHook = new ImportHook("gdi32.dll", "DeleteObject", reinterpret_cast<void*>(CountDeleteObject));
        hooks[2] = getDcHook = new ImportHook("user32.dll", "GetWindowDC", reinterpret_cast<void*>(CountGetWindowDC));
        hooks[3] = releaseDcHook = new ImportHook("user32.dll", "ReleaseDC", reinterpret_cast<void*>(CountReleaseDC));
        hooks[4] = menuHook = new ImportHook("user32.dll", "CreateMenu", reinterpret_cast<void*>(CountCreateMenu));
        for (ImportHook* hook : hooks) ASSERT_TRUE(hook->Installed());
    }
    void TearDown() override
    {
        for (ImportHook*& hook : hooks) {
            delete hook;
            hook = nullptr;
        }
        InProcessBarTest::TearDown();
    }
    ImportHook* hooks[5] = {};
};

BOOL CALLBACK CountWindow(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int ThreadWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

TEST_F(LongRun, ThousandStatusUpdatesGiveBackEveryFontAndDeviceContext)
{
    userVariables.autoHide = 0;
    userVariables.showTime = userVariables.showDate = userVariables.showFreeMemory = 1;
    CreateBar();
    fontsMade.clear();
    objectsDeleted.clear();
    dcsTaken = dcsGiven = 0;
    for (int i = 0; i < 1000; ++i) UpdateStatusLine();
    EXPECT_EQ(1000u, fontsMade.size()) << "one menu font a call";
    for (HGDIOBJ font : fontsMade) EXPECT_NE(0u, objectsDeleted.count(font)) << "a font left undeleted";
    EXPECT_EQ(1000, dcsTaken);
    EXPECT_EQ(dcsTaken, dcsGiven);
}

TEST_F(LongRun, HundredMenuBarRebuildsKeepOnlyTheCurrentMenus)
{
    userVariables.autoHide = 0;
    for (int m = 0; m < 10; ++m) {
        UserMenu* menu = CreateUserMenu();
        FormatTextN(menu->name, sizeof menu->name, "&Menü %d", m);
        AppendUserMenu(menu);
        for (int k = 0; k < 10; ++k) {
            ProgramItem* item = CreateProgramItem();
            FormatTextN(item->name, sizeof item->name, "Eintrag %d", k);
            AppendProgramItem(menu, item);
        }
    }
    CreateBar();
    for (int i = 0; i < 100; ++i) BuildMenuBar();
    int alive = 0;
    for (HMENU menu : menusMade) alive += IsMenu(menu) ? 1 : 0;
    EXPECT_EQ(101u * 11u, menusMade.size());
    EXPECT_EQ(11, alive) << "the menu bar and its ten drop-down menus";
    int bindings = 0;
    for (CommandBinding* b = bindingListHead; b; b = b->next) ++bindings;
    EXPECT_EQ(100, bindings);
}

TEST_F(LongRun, DialogsOpenedAndClosedTwentyTimesLeaveNoWindows)
{
    userVariables.autoHide = 0;
    CreateBar();
    int before = ThreadWindows();
    for (int i = 0; i < 20; ++i) {
        HWND options = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), barWindowHandle,
                                          OptionsDialogProc, 0);
        HWND about = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_ABOUT), barWindowHandle, AboutDialogProc, 0);
        ASSERT_TRUE(options && about);
        DestroyWindow(options);
        DestroyWindow(about);
    }
    EXPECT_EQ(before, ThreadWindows());
    EXPECT_EQ(dcsTaken, dcsGiven);
    for (HGDIOBJ font : fontsMade) EXPECT_NE(0u, objectsDeleted.count(font));
}
