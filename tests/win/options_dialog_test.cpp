// The Options dialog made by the program's own code in this process, in
// front of a shell of the test's own that can refuse an auto-hide bar.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/resource.h"
#include "settings/options_dialog_win.h"
#include "settings/user_variables.h"
#include "shell/bar_state_win.h"
#include "shell/bar_window_win.h"
#include "shell/text.h"
#include "status/status_line_win.h"
#include "win_driver.h"
#include "win_inprocess_bar.h"

using namespace driver;

namespace {

const char REFUSED[] = "Fehler beim automatischen Verstecken\nder Menüleiste! Ist dort die Task-Leiste?";
const char NO_WAV[] = "Bitte geben Sie den Namen einer WAV-Datei ein.";

std::vector<std::string> played;
BOOL WINAPI SoundThatFails(const char* path)
{
    played.push_back(path);
    return FALSE;
}

class OptionsDialog : public InProcessBarTest {
protected:
    void SetUp() override
    {
        InProcessBarTest::SetUp();
        played.clear();
        playChimeSound = SoundThatFails;
    }
    void TearDown() override
    {
        if (dialog) DestroyWindow(dialog);
        InProcessBarTest::TearDown();
    }
    void Open()
    {
        dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), barWindowHandle, OptionsDialogProc, 0);
        ASSERT_TRUE(dialog);
        ShowWindow(dialog, SW_SHOW);
    }
    // Click: as the user's click on a control, with its own check-box toggling.
    void Click(int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    bool Checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    void SetField(const std::string& text) { SetDlgItemTextA(dialog, IDC_CHIME_SOUND, text.c_str()); }
    std::vector<std::string> Texts(BoxWatcher& boxes)
    {
        std::vector<std::string> texts;
        for (const Box& box : boxes.Take()) texts.push_back(box.text);
        return texts;
    }

    HWND dialog = nullptr;
};

}  // namespace

TEST_F(OptionsDialog, OpensMirroringTheOptions)
{
    userVariables.hourlyChime = 1;
    userVariables.showDate = 1;
    // A path filling its field without a terminator shows whole, no further.
    std::memset(userVariables.chimeSound, 'p', sizeof userVariables.chimeSound);
    CreateBar();
    Open();
    EXPECT_TRUE(Checked(IDC_HOURLY_CHIME));
    EXPECT_TRUE(Checked(IDC_SHOW_DATE));
    EXPECT_FALSE(Checked(IDC_SHOW_FREE_MEMORY));
    EXPECT_TRUE(Checked(IDC_ALWAYS_ON_TOP));
    EXPECT_FALSE(Checked(IDC_DOCK_BOTTOM));
    EXPECT_TRUE(Checked(IDC_AUTO_HIDE));
    EXPECT_FALSE(Checked(IDC_SHOW_TIME));
    EXPECT_FALSE(Checked(IDC_SHOW_USER_NAME));
    char field[200];
    GetDlgItemTextA(dialog, IDC_CHIME_SOUND, field, sizeof field);
    EXPECT_EQ(std::string(128, 'p'), field);
}

TEST_F(OptionsDialog, RefusedEdgeReturnsTheBarToItsOldEdge)
{
    CreateBar();  // an auto-hide bar at the top
    Open();
    refuseAutoHide = true;
    shellCalls.clear();
    BoxWatcher boxes;
    Click(IDC_DOCK_BOTTOM);
    EXPECT_EQ(std::vector<std::string>{REFUSED}, Texts(boxes));
    EXPECT_EQ(0u, userVariables.dockBottom);
    EXPECT_FALSE(Checked(IDC_DOCK_BOTTOM));
    EXPECT_EQ(0, BarRect().top);
    std::vector<DWORD> expected = {ABM_SETAUTOHIDEBAR, ABM_REMOVE, ABM_NEW, ABM_SETAUTOHIDEBAR};
    ASSERT_EQ(expected, ShellMessages());
    EXPECT_EQ(static_cast<UINT>(ABE_BOTTOM), Docking(0).data.uEdge);
    EXPECT_EQ(static_cast<UINT>(ABE_BOTTOM), Docking(2).data.uEdge) << "registered anew with the record unchanged";
    EXPECT_EQ(static_cast<UINT>(ABE_TOP), Docking(3).data.uEdge);
    EXPECT_EQ(1, Docking(3).data.lParam);
}

TEST_F(OptionsDialog, RefusedAutoHideKeepsItOff)
{
    userVariables.autoHide = 0;
    CreateBar();
    Open();
    refuseAutoHide = true;
    BoxWatcher boxes;
    Click(IDC_AUTO_HIDE);
    EXPECT_EQ(std::vector<std::string>{REFUSED}, Texts(boxes));
    EXPECT_EQ(0u, userVariables.autoHide);
    EXPECT_FALSE(Checked(IDC_AUTO_HIDE));
    EXPECT_EQ(0, BarRect().top) << "still in view";
}

TEST_F(OptionsDialog, AutoHideSwitchesReleaseAndReserveTheStrip)
{
    userVariables.autoHide = 0;
    CreateBar();
    Open();
    shellCalls.clear();
    Click(IDC_AUTO_HIDE);
    EXPECT_EQ(1u, userVariables.autoHide);
    EXPECT_EQ(-8 - GetSystemMetrics(SM_CYMENU), BarRect().top);
    ASSERT_EQ((std::vector<DWORD>{ABM_SETAUTOHIDEBAR, ABM_SETPOS}), ShellMessages());
    EXPECT_EQ(0, Docking(1).data.rc.bottom) << "an empty strip";

    shellCalls.clear();
    Click(IDC_AUTO_HIDE);
    EXPECT_EQ(0, BarRect().top);
    ASSERT_EQ((std::vector<DWORD>{ABM_SETAUTOHIDEBAR, ABM_QUERYPOS, ABM_SETPOS}), ShellMessages());
    EXPECT_EQ(BarHeight(), Docking(2).data.rc.bottom);
}

TEST_F(OptionsDialog, TestPlaysTheFieldAndStoresNothing)
{
    CreateBar();
    Open();
    BoxWatcher boxes;
    SetField("");
    Click(IDC_TEST_SOUND);
    EXPECT_EQ(std::vector<std::string>{NO_WAV}, Texts(boxes));
    EXPECT_TRUE(played.empty());

    SetField("C:\\kaputt.wav");
    Click(IDC_TEST_SOUND);
    EXPECT_EQ(std::vector<std::string>{"Fehler beim Abspielen einer WAV-Datei.\nÜberprüfen Sie Pfad und Dateiname."},
              Texts(boxes));
    EXPECT_EQ(std::vector<std::string>{"C:\\kaputt.wav"}, played);
    EXPECT_STREQ("", userVariables.chimeSound);
}

TEST_F(OptionsDialog, OkTakesSeventyNineCharactersAndWantsAPathForTheChime)
{
    CreateBar();
    Open();
    BoxWatcher boxes;
    Click(IDC_HOURLY_CHIME);
    SetField("");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(std::vector<std::string>{NO_WAV}, Texts(boxes));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "stays open";

    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc does nothing";

    std::string path = "C:\\" + std::string(97, 'k');
    SetField(path);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "OK ends the dialog";
    EXPECT_EQ(path.substr(0, 79), userVariables.chimeSound);
    EXPECT_TRUE(Texts(boxes).empty());
}

TEST_F(OptionsDialog, OldShellKeepsAutoHideAndHidesAtTheNewEdge)
{
    newShell = 0;
    CreateBar();
    Open();
    BoxWatcher boxes;
    Click(IDC_AUTO_HIDE);
    EXPECT_EQ(std::vector<std::string>{"Automatisches Verstecken kann in Windows NT 3.x nicht abgeschaltet werden!"},
              Texts(boxes));
    EXPECT_TRUE(Checked(IDC_AUTO_HIDE));
    EXPECT_EQ(1u, userVariables.autoHide);

    Click(IDC_DOCK_BOTTOM);
    EXPECT_EQ(1u, userVariables.dockBottom);
    EXPECT_EQ(screenHeight - 2, BarRect().top) << "moved, then hidden";
    EXPECT_TRUE(ShellMessages().empty());
}
