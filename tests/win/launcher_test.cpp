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

std::string Long(const std::string& path)
{
    char full[MAX_PATH];
    return GetLongPathNameA(path.c_str(), full, MAX_PATH) ? full : path;
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
}  // namespace

TEST(Launcher, ShellsGetTheEntryOrItsShortcutsTargetAndOldShellErrorsAreNamed)
{
    driver::TempDir dir;
    std::string target = dir.File("Ziel.exe"), shortcut = dir.File("Ziel.LNK");
    ASSERT_TRUE(driver::WriteFileBytes(target, {'x'}));
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, shortcut.c_str(), -1, wide, MAX_PATH);
    IShellLinkA* link;
    IPersistFile* file;
    CoInitialize(nullptr);
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)));
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    link->SetPath(target.c_str()), link->SetArguments("vom Link"), link->SetWorkingDirectory(dir.Path().c_str());
    link->SetShowCmd(SW_SHOWNORMAL);  // Wine reads any other back as this one
    ASSERT_EQ(S_OK, file->Save(wide, TRUE));
    file->Release(), link->Release();
    CoUninitialize();

    const char old[] = "%SystemRoot%\\Kein Ordner\\Programm.lnk";
    char fileMissing[300], folderMissing[300], otherCode[300];
    FormatTextN(fileMissing, sizeof fileMissing, FILE_NOT_FOUND_FORMAT, old);
    FormatTextN(folderMissing, sizeof folderMissing, PATH_NOT_FOUND_FORMAT, old);
    FormatTextN(otherCode, sizeof otherCode, SHELL_ERROR_FORMAT, 31);
    std::string asEntered = "|-p 1|%TEMP%|" + std::to_string(SW_SHOWMINNOACTIVE);
    // The old shell's answer (0: the new shell); the entry's path; what the shell got; the warning.
    const struct { INT_PTR answer; std::string path, call; const char* warning; } cases[] = {
        {2, old, "open|" + std::string(old) + asEntered, fileMissing},
        {3, old, "open|" + std::string(old) + asEntered, folderMissing},
        {31, old, "open|" + std::string(old) + asEntered, otherCode},
        {32, old, "open|" + std::string(old) + asEntered, nullptr},
        {0, "C:\\notepad.exe", "open|C:\\notepad.exe" + asEntered, nullptr},
        {0, shortcut, "open|" + Long(target) + "|vom Link|" + Long(dir.Path()) + "|1", nullptr},
        {0, dir.File("fehlt.lnk"), "", SHORTCUT_FAILED_TEXT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + std::to_string(c.answer));
        ProgramItem item = {};
        CopyText(item.path, c.path.c_str());
        CopyText(item.parameters, "-p 1");
        CopyText(item.workingDirectory, "%TEMP%");
        item.showCommand = SW_SHOWMINNOACTIVE;
        shellExecute = OldShell, shellExecuteEx = NewShell;
        newShell = !c.answer;
        oldShellAnswer = reinterpret_cast<HINSTANCE>(c.answer);
        process = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        call.clear(), mask = 0;
        driver::BoxWatcher boxes;
        EXPECT_EQ(!c.warning, LaunchProgramItem(&item));
        shellExecute = ShellExecuteA, shellExecuteEx = ShellExecuteExA, newShell = true;
        Lines warnings;
        for (const driver::Box& box : boxes.Take()) warnings.push_back(box.text);
        EXPECT_EQ(c.warning ? Lines{c.warning} : Lines{}, warnings);
        EXPECT_EQ(c.call, call);
        DWORD flags;
        bool started = !c.answer && !c.warning;
        EXPECT_EQ(started, !GetHandleInformation(process, &flags)) << "the started program's handle is closed";
        EXPECT_EQ(started ? ULONG(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST) : 0, mask);
        if (!started) CloseHandle(process);
    }
}
