// startup_win.cpp: start-up in its fixed order, the message loop, and the end.
#include <new>

#include "base/command_words.h"
#include "base/messages.h"
#include "base/system_info.h"
#include "base/text.h"
#include "editor/custom_menus_dialog_win.h"
#include "base/texts.h"
#include "menus/menu_bar_win.h"
#include "menus/menu_model.h"
#include "menus/profile_file.h"
#include "resources/resource.h"
#include "settings/registry_store_win.h"
#include "settings/user_variables.h"
#include "shell/command_line.h"
#include "shell/bar_window_win.h"
#include "shell/docking_win.h"
#include "shell/globals.h"
#include "shell/globals_win.h"
#include "shell/bar_ids_win.h"
#include "shell/startup_win.h"
#include "status/status_line_win.h"

namespace {
// More words than anybody types; the rest are ignored.
enum { COMMAND_WORDS_LIMIT = 64 };

int FindProgramDirectory()
{
    char modulePath[PROGRAM_DIRECTORY_SIZE];
    DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), modulePath, sizeof modulePath);
    // A full buffer means the path was cut: its directory would be some other folder.
    if (length == 0 || length >= sizeof modulePath) return 0;
    modulePath[length] = '\0';
    return DirectoryFromModulePath(Globals.programDirectory, sizeof Globals.programDirectory, modulePath);
}
}  // namespace

void ReadCommandLine(ParsedArguments& parsed)
{
    // No C runtime splits the command line for this program.
    const char* commandLine = GetCommandLineA();
    char* line = new (std::nothrow) char[lstrlenA(commandLine) + 1];
    char* words[COMMAND_WORDS_LIMIT];
    int count = 0;
    if (line) {
        CopyTextN(line, lstrlenA(commandLine) + 1, commandLine);
        count = SplitCommandWords(line, words, COMMAND_WORDS_LIMIT);
    }
    ParseArguments(count, words, parsed);
    delete[] line;
}

void ShowArgumentWarnings(const ParsedArguments& parsed)
{
    for (int i = 0; i < parsed.warnings.count; ++i) ShowWarning(parsed.warnings.text[i]);
}

void ActOnRunningBar(const ParsedArguments& parsed)
{
    // A bar still starting has no window yet; its own start decides.
    HWND running = FindWindowA(BAR_CLASS_NAME, BAR_TITLE);
    if (!running) return;
    SecondStart start = {};
    CopyText(start.userName, parsed.userName);
    CopyText(start.profileFileName, parsed.profileFileName);
    start.switches = parsed.switches;
    COPYDATASTRUCT data = {SECOND_START_DATA, sizeof start, &start};
    if (SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == SECOND_START_OTHER_USER)
        ShowWarning(OTHER_USER_BAR_TEXT);
    else
        SetForegroundWindow(GetLastActivePopup(running));  // the start the user made may hand the foreground on
}

int InitInstance()
{
    // Taken first: a start during another one's boxes or profile load, before
    // its window exists, would otherwise make a second bar, and whichever
    // ended last would write its menus over the other's.
    CreateMutexA(nullptr, FALSE, BAR_MUTEX_NAME);
    bool second = GetLastError() == ERROR_ALREADY_EXISTS;
    ParsedArguments parsed;
    ReadCommandLine(parsed);
    if (second) {
        ShowArgumentWarnings(parsed);
        ActOnRunningBar(parsed);
        return 0;
    }

    SystemFlags flags = ClassifyVersion(GetVersion());
    if (!flags.runs) return 0;
    Globals.newShell = flags.newShell;
    Globals.powerStatusAvailable = flags.powerStatusAvailable;

    if (Globals.powerStatusAvailable) {
        SYSTEM_POWER_STATUS power = {};
        Globals.onBattery = GetSystemPowerStatus(&power) && power.ACLineStatus == 0;
    }

    Globals.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    Globals.screenHeight = GetSystemMetrics(SM_CYSCREEN);

    if (!FindProgramDirectory()) {
        ShowWarning(NO_PROGRAM_DIRECTORY_TEXT);
        return 0;
    }

    CopyText(Globals.userName, parsed.userName);
    CopyText(Globals.profileFileName, parsed.profileFileName);
    ShowArgumentWarnings(parsed);
    LoadUserVariables(Globals.userVariables, parsed.switches, !Globals.newShell, Globals.userName, Globals.profileFileName);

    LoadBarPopup();
    return 1;
}

int InitBar(WNDPROC procedure)
{
    if (!RegisterBarClass(procedure)) return 0;
    ProfileLoad load = LoadProfile(Globals.menus, BarProfile());
    if (load.fatal) {
        FatalError(load.message);
        return 0;
    }
    Globals.profileTailDropped = load.tailDropped;
    if (load.menusExceedLimits) ShowWarning(MENU_BAR_FULL_TEXT);
    Handles.profileWrittenMessage = RegisterWindowMessageA(PROFILE_WRITTEN_MESSAGE);
    return CreateBarWindow();
}

void FatalError(const char* text)
{
    ShowFatalBox(text);
    ExitBar(true);
    PostQuitMessage(-1);
}

void SaveProfileOrWarn()
{
    if (SaveProfile(Globals.menus, BarProfile(), Globals.profileTailDropped)) return;
    char text[PROFILE_FILE_NAME_SIZE + 100];
    FormatProfileWriteFailed(text, sizeof text, BarProfile());
    ShowWarning(text);
}

void ExitBar(bool afterFatalError)
{
    if (!afterFatalError) {
        if (ProfileChanged(Globals.menus)) SaveProfileOrWarn();
        if (!SaveUserVariables(Globals.userVariables, Globals.userName)) ShowWarning(REGISTRY_SAVE_FAILED_TEXT);
        FreeAllUserMenus(Globals.menus);
    }
    ReleaseBar();
}

int DeskRailMain(HINSTANCE instance, WNDPROC procedure)
{
    Handles.appInstance = instance;
    if (!InitInstance()) return 0;
    if (!InitBar(procedure)) return 0;

    MSG message = {};
    int got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return 0;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
