// The launcher starting a real program (record_launch.exe, which writes down
// how it was started) through Wine's shell, in this process; message boxes
// are answered by a watcher thread as a user would.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "launcher/launcher.h"
#include "launcher/launcher_win.h"
#include "menus/menu_model.h"
#include "shell/bar_state_win.h"
#include "launch_record.h"
#include "shell/text.h"
#include "win_driver.h"

using namespace driver;

namespace {

const char SHORTCUT_FAILED[] = "Fehler beim Starten einer Verknüpfung.";
const char DOCUMENT_EXTENSION[] = ".drlaunchtest";
const char DOCUMENT_CLASS[] = "DeskRailTest.Dokument";

// What the stand-ins for the shell calls were given.
struct ShellCall {
    int calls = 0;
    HWND window = nullptr;
    std::string call;  // "verb|file|parameters|directory|show"
    SHELLEXECUTEINFOA request = {};
};
ShellCall seen;
HINSTANCE oldShellAnswer;
HANDLE processToHandOut;

std::string Call(LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show)
{
    std::string call;
    for (LPCSTR text : {verb, file, parameters, directory}) call += std::string(text ? text : "(null)") + "|";
    return call + std::to_string(show);
}

HINSTANCE WINAPI RecordShellExecute(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show)
{
    seen.calls++;
    seen.window = window;
    seen.call = Call(verb, file, parameters, directory, show);
    return oldShellAnswer;
}

BOOL WINAPI RecordShellExecuteEx(SHELLEXECUTEINFOA* request)
{
    seen.calls++;
    seen.request = *request;
    seen.call = Call(request->lpVerb, request->lpFile, request->lpParameters, request->lpDirectory, request->nShow);
    request->hProcess = processToHandOut;
    return TRUE;
}

struct Outcome {
    int result;
    std::vector<Box> boxes;
};

// SamePath: one file or folder, whatever the case or the long or short form.
bool SamePath(const std::string& a, const std::string& b)
{
    char longA[MAX_PATH] = "";
    char longB[MAX_PATH] = "";
    if (!GetLongPathNameA(a.c_str(), longA, MAX_PATH)) CopyText(longA, a.c_str());
    if (!GetLongPathNameA(b.c_str(), longB, MAX_PATH)) CopyText(longB, b.c_str());
    return lstrcmpiA(longA, longB) == 0;
}

// WithShortcut: hands a fresh shortcut object and the file's wide name to use.
template <class Use>
void WithShortcut(const std::string& linkPath, Use use)
{
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
            use(link, file, wide);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
}

// MakeShortcut: writes the shortcut and gives the show command the shell reads
// back from the file, -1 when it could not be written. Wine reads every show
// command back as SW_SHOWNORMAL, so tests compare with this value.
int MakeShortcut(const std::string& linkPath, const std::string& target, const std::string& arguments,
                 const std::string& directory, int show)
{
    bool saved = false;
    WithShortcut(linkPath, [&](IShellLinkA* link, IPersistFile* file, const WCHAR* wide) {
        link->SetPath(target.c_str());
        link->SetArguments(arguments.c_str());
        link->SetWorkingDirectory(directory.c_str());
        link->SetShowCmd(show);
        saved = SUCCEEDED(file->Save(wide, TRUE));
    });
    int readBack = -1;
    if (saved)
        WithShortcut(linkPath, [&](IShellLinkA* link, IPersistFile* file, const WCHAR* wide) {
            if (SUCCEEDED(file->Load(wide, STGM_READ))) link->GetShowCmd(&readBack);
        });
    return readBack;
}

void SetDefaultValue(const std::string& key, const std::string& value)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        helper = dir.File("record_launch.exe");
        ASSERT_TRUE(CopyFileA((ModuleDirectory() + "\\record_launch.exe").c_str(), helper.c_str(), FALSE));
        record = dir.File("record.txt");
        SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, record.c_str());
        GetCurrentDirectoryA(sizeof startDirectory, startDirectory);
        newShell = 1;
        barWindowHandle = nullptr;
    }

    void TearDown() override
    {
        SetEnvironmentVariableA(LAUNCH_RECORD_VARIABLE, nullptr);
        SetCurrentDirectoryA(startDirectory);
        newShell = 1;
        shellExecute = ShellExecuteA;
        shellExecuteEx = ShellExecuteExA;
        if (barWindowHandle) DestroyWindow(barWindowHandle);
        barWindowHandle = nullptr;
    }

    std::string Folder(const char* name)
    {
        std::string path = dir.File(name);
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }

    static ProgramItem Entry(const std::string& path, const char* parameters = "", const std::string& directory = "",
                             int show = SW_SHOWNORMAL)
    {
        ProgramItem item = {};
        CopyText(item.path, path.c_str());
        CopyText(item.parameters, parameters);
        CopyText(item.workingDirectory, directory.c_str());
        CopyText(item.name, "Eintrag");
        item.showCommand = show;
        return item;
    }

    static Outcome Launch(const ProgramItem& item)
    {
        BoxWatcher watcher;
        int result = LaunchProgramItem(&item);
        return {result, watcher.Take()};
    }

    // LaunchStarts: the launch succeeds without a message and the helper starts.
    bool LaunchStarts(const ProgramItem& item, LaunchRecord& started)
    {
        Outcome outcome = Launch(item);
        EXPECT_EQ(1, outcome.result);
        EXPECT_TRUE(outcome.boxes.empty()) << outcome.boxes[0].text;
        return WaitForRecord(started);
    }
    bool WaitForRecord(LaunchRecord& found) { return WaitForLaunchRecord(record, found); }
    bool NothingStarted() { return NoLaunchRecord(record); }

    TempDir dir;
    std::string helper;
    std::string record;
    char startDirectory[MAX_PATH] = "";
};

}  // namespace

TEST_F(Launcher, PlainEntryStartsWithItsParametersDirectoryAndShowCommand)
{
    std::string work = Folder("Arbeit");
    LaunchRecord started;
    ASSERT_TRUE(LaunchStarts(Entry(helper, "eins \"zwei drei\"", work, SW_SHOWMINNOACTIVE), started));
    EXPECT_EQ("eins \"zwei drei\"", started.args);
    EXPECT_TRUE(SamePath(work, started.cwd)) << started.cwd;
    EXPECT_EQ(SW_SHOWMINNOACTIVE, started.show);
}

TEST_F(Launcher, EmptyWorkingDirectoryStartsInTheCurrentDirectory)
{
    std::string current = Folder("Aktuell");
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
    for (int shell = 1; shell >= 0; --shell) {
        newShell = shell;
        LaunchRecord started;
        ASSERT_TRUE(LaunchStarts(Entry(helper), started)) << "newShell " << shell;
        EXPECT_TRUE(SamePath(current, started.cwd)) << started.cwd;
        EXPECT_EQ(SW_SHOWNORMAL, started.show);
    }
}

TEST_F(Launcher, DocumentOpensWithItsAssociatedProgram)
{
    // Wine 8 does not read HKCU\Software\Classes, so the association goes
    // under HKEY_CLASSES_ROOT itself (the test prefix's own).
    std::string command = std::string(DOCUMENT_CLASS) + "\\shell\\open\\command";
    SetDefaultValue(DOCUMENT_EXTENSION, DOCUMENT_CLASS);
    SetDefaultValue(command, "\"" + helper + "\" \"%1\"");
    std::string document = dir.File(std::string("Brief") + DOCUMENT_EXTENSION);
    ASSERT_TRUE(WriteFileBytes(document, {'x'}));

    Outcome outcome = Launch(Entry(document));
    LaunchRecord started;
    bool opened = WaitForRecord(started);

    // Innermost key first: a key with subkeys cannot be deleted.
    for (const char* key : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(DOCUMENT_CLASS) + key).c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, DOCUMENT_EXTENSION);

    EXPECT_EQ(1, outcome.result);
    EXPECT_TRUE(outcome.boxes.empty());
    ASSERT_TRUE(opened) << "the associated program did not start";
    ASSERT_GE(started.args.size(), 2u);
    EXPECT_TRUE(SamePath(document, started.args.substr(1, started.args.size() - 2))) << started.args;
}

TEST_F(Launcher, ShortcutsTargetArgumentsDirectoryAndShowCommandWinOverTheEntrys)
{
    std::string linkDirectory = Folder("LinkOrdner");
    std::string link = dir.File("Programm.LNK");
    int linkShow = MakeShortcut(link, helper, "vom Link", linkDirectory, SW_SHOWMAXIMIZED);
    ASSERT_GE(linkShow, 0);
    ASSERT_NE(SW_SHOWMINNOACTIVE, linkShow);

    LaunchRecord started;
    ASSERT_TRUE(LaunchStarts(Entry(link, "vom Eintrag", Folder("EintragOrdner"), SW_SHOWMINNOACTIVE), started));
    EXPECT_EQ("vom Link", started.args);
    EXPECT_TRUE(SamePath(linkDirectory, started.cwd)) << started.cwd;
    EXPECT_EQ(linkShow, started.show);

    // Arguments of the longest length a shortcut buffer holds reach the program whole.
    std::string longArguments(MAX_PATH - 1, 'a');
    ASSERT_GE(MakeShortcut(link, helper, longArguments, linkDirectory, SW_SHOWNORMAL), 0);
    ASSERT_TRUE(LaunchStarts(Entry(link), started));
    EXPECT_EQ(longArguments, started.args);
}

TEST_F(Launcher, ResolveShellLinkReadsTheShortcutAndLeavesComAsItFoundIt)
{
    std::string link = dir.File("ziel.lnk");
    ASSERT_GE(MakeShortcut(link, helper, "-x 1", Folder("Ordner"), SW_SHOWMINIMIZED), 0);

    // What it reads is checked by the shortcut launch above.
    char target[MAX_PATH], directory[MAX_PATH], arguments[MAX_PATH];
    int show = -1;
    HRESULT result = ResolveShellLink(nullptr, link.c_str(), target, directory, arguments, show);
    EXPECT_GE(result, 0);
    HRESULT again = CoInitialize(nullptr);
    EXPECT_EQ(S_OK, again) << "COM was left initialised";
    if (SUCCEEDED(again)) CoUninitialize();

    // A thread in the multithreaded apartment keeps it: the refused
    // CoInitialize inside is not paired with a CoUninitialize.
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    result = ResolveShellLink(nullptr, link.c_str(), target, directory, arguments, show);
    EXPECT_GE(result, 0);
    again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(S_FALSE, again) << "the thread's own COM was ended";
    if (SUCCEEDED(again)) CoUninitialize();
    CoUninitialize();

    // A missing shortcut fails and leaves the buffers empty.
    result = ResolveShellLink(nullptr, dir.File("fehlt.lnk").c_str(), target, directory, arguments, show);
    EXPECT_LT(result, 0);
    EXPECT_EQ("||", std::string(target) + "|" + directory + "|" + arguments);
}

TEST_F(Launcher, FailuresShowTheirMessageAndStartNothing)
{
    std::string garbage = dir.File("kaputt.lnk");
    ASSERT_TRUE(WriteFileBytes(garbage, std::vector<unsigned char>(200, 'z')));
    std::string missingFile = dir.File("kein\\fehlt.exe");
    std::string noProgram = dir.File("Notiz.drkeinprogramm");
    ASSERT_TRUE(WriteFileBytes(noProgram, {'x'}));
    const struct {
        int shell;
        std::string path, text;
    } cases[] = {
        {1, garbage, SHORTCUT_FAILED},
        {1, dir.File("fehlt.lnk"), SHORTCUT_FAILED},
        {0, missingFile, "Datei nicht gefunden:\n" + missingFile},
        {0, noProgram, "ShellExecute führte zu folgendem Fehlercode: 31"},
    };
    for (const auto& c : cases) {
        newShell = c.shell;
        Outcome outcome = Launch(Entry(c.path));
        EXPECT_EQ(0, outcome.result) << c.path;
        ASSERT_EQ(1u, outcome.boxes.size()) << c.path;
        EXPECT_EQ("DeskRail", outcome.boxes[0].caption);
        EXPECT_EQ(c.text, outcome.boxes[0].text);
    }
    EXPECT_TRUE(NothingStarted());
}

TEST_F(Launcher, SystemRootIsExpandedOnTheNewShell)
{
    char windows[MAX_PATH];
    ASSERT_TRUE(GetWindowsDirectoryA(windows, MAX_PATH));
    // The helper's path written from the Windows directory: "%SystemRoot%\..\rest".
    // Wine's shell expands variables even unasked; the request's flag for it
    // is checked through the seam below.
    ASSERT_EQ(0, _strnicmp(windows, helper.c_str(), 3)) << "the test folder lies on the system drive";
    std::string fromRoot = "%SystemRoot%\\.." + helper.substr(2);

    LaunchRecord started;
    ASSERT_TRUE(LaunchStarts(Entry(fromRoot, "", "%SystemRoot%"), started)) << fromRoot;
    EXPECT_TRUE(SamePath(windows, started.cwd)) << started.cwd;
}

TEST_F(Launcher, NewShellMissingProgramGivesNoMessageOfTheBarsOwn)
{
    Outcome outcome = Launch(Entry(dir.File("fehlt.exe")));
    EXPECT_EQ(1, outcome.result);
    for (const Box& box : outcome.boxes) EXPECT_NE("DeskRail", box.caption) << box.text;
}

TEST_F(Launcher, OldShellThroughSeamGetsTheEntryAsItIsAndNamesAMissingFolder)
{
    newShell = 0;
    barWindowHandle = CreateWindowExA(0, "STATIC", "bar", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(barWindowHandle);
    shellExecute = RecordShellExecute;
    seen = ShellCall();
    oldShellAnswer = reinterpret_cast<HINSTANCE>(3);
    const char* path = "%SystemRoot%\\Kein Ordner\\Programm.lnk";

    Outcome outcome = Launch(Entry(path, "-p 1", "%TEMP%", SW_SHOWMINNOACTIVE));
    EXPECT_EQ(0, outcome.result);
    ASSERT_EQ(1u, outcome.boxes.size());
    EXPECT_EQ("DeskRail", outcome.boxes[0].caption);
    EXPECT_EQ(std::string("Dateipfad nicht gefunden:\n") + path, outcome.boxes[0].text);
    EXPECT_EQ(1, seen.calls);
    EXPECT_EQ(barWindowHandle, seen.window);
    // No shortcut resolution, no expansion.
    EXPECT_EQ(std::string("open|") + path + "|-p 1|%TEMP%|" + std::to_string(SW_SHOWMINNOACTIVE), seen.call);

    oldShellAnswer = reinterpret_cast<HINSTANCE>(33);
    outcome = Launch(Entry(path));
    EXPECT_EQ(1, outcome.result);
    EXPECT_TRUE(outcome.boxes.empty());
}

TEST_F(Launcher, NewShellRequestThroughSeamCarriesItsFieldsAndTheProcessHandleIsClosed)
{
    barWindowHandle = CreateWindowExA(0, "STATIC", "bar", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(barWindowHandle);
    shellExecuteEx = RecordShellExecuteEx;
    seen = ShellCall();
    processToHandOut = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(processToHandOut);

    Outcome outcome = Launch(Entry("%SystemRoot%\\notepad.exe", "a b", "C:\\Daten", SW_SHOWMAXIMIZED));
    EXPECT_EQ(1, outcome.result);
    EXPECT_TRUE(outcome.boxes.empty());
    ASSERT_EQ(1, seen.calls);
    const SHELLEXECUTEINFOA& r = seen.request;
    EXPECT_EQ(60u, r.cbSize);
    EXPECT_EQ(0x240u, r.fMask) << "SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST";
    EXPECT_EQ(barWindowHandle, r.hwnd);
    // The shell expands the variable itself.
    EXPECT_EQ("open|%SystemRoot%\\notepad.exe|a b|C:\\Daten|" + std::to_string(SW_SHOWMAXIMIZED), seen.call);
    for (const void* unused : {(const void*)r.hInstApp, (const void*)r.lpIDList, (const void*)r.lpClass,
                               (const void*)r.hkeyClass, (const void*)r.hIcon, (const void*)r.hProcess})
        EXPECT_EQ(nullptr, unused);
    EXPECT_EQ(0u, r.dwHotKey);
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(processToHandOut, &flags)) << "the process handle was left open";
}
