// Starting an entry through the launcher's two shell seams: Wine's shell names a missing folder a missing
// file and expands variables unasked.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include "base/process_state.h"
#include "base/text.h"
#include "base/texts.h"
#include "launcher/launcher_win.h"
#include "menus/menu_model.h"
#include "win_driver.h"

using Lines = std::vector<std::string>;

namespace {
std::string call;  // "verb|file|parameters|directory|show" as the shell got it, paths in their long form
ULONG mask;
HINSTANCE oldShellAnswer;
HANDLE process;  // handed out as the started program's

std::string Long(const char* path)
{
    char full[MAX_PATH];
    return GetLongPathNameA(path, full, MAX_PATH) ? full : path;
}
std::string Call(const char* verb, const char* file, const char* parameters, const char* directory, int show)
{
    return std::string(verb) + "|" + Long(file) + "|" + parameters + "|" + Long(directory) + "|" + std::to_string(show);
}
HINSTANCE WINAPI OldShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    call = Call(verb, file, parameters, directory, show);
    return oldShellAnswer;
}
BOOL WINAPI NewShell(SHELLEXECUTEINFOA* request)
{
    call = Call(request->lpVerb, request->lpFile, request->lpParameters, request->lpDirectory, request->nShow);
    mask = request->fMask;
    request->hProcess = process;
    return TRUE;
}

bool MakeShortcut(const std::string& path, const std::string& target, const std::string& folder)
{
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    bool saved = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                            reinterpret_cast<void**>(&link))) &&
                 SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                 SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->SetArguments("vom Link")) &&
                 SUCCEEDED(link->SetWorkingDirectory(folder.c_str())) &&
                 SUCCEEDED(link->SetShowCmd(SW_SHOWNORMAL)) &&  // Wine reads any other back as this one
                 SUCCEEDED(file->Save(wide, TRUE));
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return saved;
}

// Launch: an entry as the user made it, its path aside; the warnings shown.
Lines Launch(const std::string& path, int expectedResult)
{
    ProgramItem item = {};
    CopyText(item.path, path.c_str());
    CopyText(item.parameters, "-p 1");
    CopyText(item.workingDirectory, "%TEMP%");
    item.showCommand = SW_SHOWMINNOACTIVE;
    shellExecute = OldShell;
    shellExecuteEx = NewShell;
    call.clear();
    driver::BoxWatcher boxes;
    EXPECT_EQ(expectedResult, LaunchProgramItem(&item));
    shellExecute = ShellExecuteA;
    shellExecuteEx = ShellExecuteExA;
    newShell = true;
    Lines texts;
    for (const driver::Box& box : boxes.Take()) texts.push_back(box.text);
    return texts;
}
}  // namespace

TEST(Launcher, OldShellGetsTheEntryAsItIsAndItsErrorCodesAreNamed)
{
    const char path[] = "%SystemRoot%\\Kein Ordner\\Programm.lnk";
    char fileMissing[300], folderMissing[300], otherCode[300];
    FormatTextN(fileMissing, sizeof fileMissing, FILE_NOT_FOUND_FORMAT, path);
    FormatTextN(folderMissing, sizeof folderMissing, PATH_NOT_FOUND_FORMAT, path);
    FormatTextN(otherCode, sizeof otherCode, SHELL_ERROR_FORMAT, 31);
    const struct { INT_PTR answer; const char* warning; } cases[] = {
        {2, fileMissing}, {3, folderMissing}, {31, otherCode}, {32, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        oldShellAnswer = reinterpret_cast<HINSTANCE>(c.answer);
        newShell = false;
        EXPECT_EQ(c.warning ? Lines{c.warning} : Lines{}, Launch(path, c.warning ? 0 : 1));
        EXPECT_EQ(std::string("open|") + path + "|-p 1|%TEMP%|" + std::to_string(SW_SHOWMINNOACTIVE), call);
    }
}

TEST(Launcher, NewShellOpensTheEntryOrItsShortcutsTargetAndClosesTheProcess)
{
    driver::TempDir dir;
    std::string target = dir.File("Ziel.exe"), shortcut = dir.File("Ziel.LNK");
    ASSERT_TRUE(driver::WriteFileBytes(target, {'x'}));
    ASSERT_TRUE(MakeShortcut(shortcut, target, dir.Path()));
    const struct { std::string path, call; const char* warning; } cases[] = {
        {"C:\\notepad.exe", "open|C:\\notepad.exe|-p 1|%TEMP%|" + std::to_string(SW_SHOWMINNOACTIVE), nullptr},
        {shortcut, "open|" + Long(target.c_str()) + "|vom Link|" + Long(dir.Path().c_str()) + "|1", nullptr},
        {dir.File("fehlt.lnk"), "", SHORTCUT_FAILED_TEXT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        process = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        EXPECT_EQ(c.warning ? Lines{c.warning} : Lines{}, Launch(c.path, c.warning ? 0 : 1));
        EXPECT_EQ(c.call, call);
        DWORD flags;
        EXPECT_EQ(!c.warning, !GetHandleInformation(process, &flags)) << "the process handle is closed";
        if (c.warning) CloseHandle(process);
        else EXPECT_EQ(ULONG(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST), mask);
    }
}
