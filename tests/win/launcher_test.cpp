// Starting an entry through the launcher's two shell seams: Wine's shell names a missing folder a missing
// file and expands variables unasked.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "base/seams_win.h"
#include "base/text.h"
#include "launcher/launcher_win.h"
#include "menus/menu_model.h"
#include "win_driver.h"

namespace {
std::string call;  // "verb|file|parameters|directory|show|mask|COM" as the shell got it ("-": null)
HANDLE process;  // handed out as the started program's

std::string Call(const char* verb, const char* file, const char* parameters, const char* directory, int show)
{
    auto text = [](const char* t) { return std::string(t ? t : "-"); };
    return text(verb) + "|" + text(file) + "|" + text(parameters) + "|" + text(directory) + "|" + std::to_string(show);
}
HINSTANCE WINAPI OldShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    call = Call(verb, file, parameters, directory, show);
    return reinterpret_cast<HINSTANCE>(3);  // the path was not found
}
BOOL WINAPI NewShell(SHELLEXECUTEINFOA* request)
{
    HRESULT com = CoInitialize(nullptr);  // S_FALSE: the caller keeps COM initialised
    if (SUCCEEDED(com)) CoUninitialize();
    call = Call(request->lpVerb, request->lpFile, request->lpParameters, request->lpDirectory, request->nShow) +
           "|" + std::to_string(request->fMask) + (com == S_FALSE ? "|COM" : "|no COM");
    request->hProcess = process;
    return TRUE;
}
}  // namespace

TEST(Launcher, ShellsGetTheEntryOrItsShortcutsTargetAndOldShellErrorsAreNamed)
{
    driver::TempDir dir;
    std::string target = dir.File("Ziel.exe"), shortcut = dir.File("Ziel.LNK"), computer = dir.File("Arbeitsplatz.lnk");
    const std::string arguments = "vom Link " + std::string(1000, 'a');  // a shortcut holds 1,023
    ASSERT_TRUE(driver::WriteFileBytes(target, {'x'}));
    IShellLinkA* link;
    IPersistFile* file;
    CoInitialize(nullptr);
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)));
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetWorkingDirectory(dir.Path().c_str());
    link->SetShowCmd(SW_SHOWNORMAL);  // Wine reads any other back as this one
    ASSERT_EQ(S_OK, file->Save(std::wstring(shortcut.begin(), shortcut.end()).c_str(), TRUE));
    LPITEMIDLIST drives;  // a shell object, no file
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives));
    link->SetIDList(drives);
    CoTaskMemFree(drives);
    ASSERT_EQ(S_OK, file->Save(std::wstring(computer.begin(), computer.end()).c_str(), TRUE));
    file->Release();
    link->Release();
    CoUninitialize();

    const char old[] = "%SystemRoot%\\Kein Ordner\\Programm.lnk";
    const std::string folderMissing = "Dateipfad nicht gefunden:\n" + std::string(old);
    const std::string asEntered = "|-p 1|%TEMP%|" + std::to_string(SW_SHOWMINNOACTIVE);
    const std::string mask = "|" + std::to_string(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST) + "|COM";
    // The old shell; the entry's path; what the shell got; the warning.
    const struct { bool oldShell; std::string path, call; const char* warning; } cases[] = {
        {true, old, "open|" + std::string(old) + asEntered, folderMissing.c_str()},
        {false, "C:\\notepad.exe", "open|C:\\notepad.exe" + asEntered + mask, nullptr},
        {false, shortcut, "open|" + target + "|" + arguments + "|" + dir.Path() + "|1" + mask, nullptr},
        {false, computer, "open|" + computer + "|-|-|1" + mask, nullptr},  // the shell opens the shortcut itself
        {false, dir.File("fehlt.lnk"), "", "Fehler beim Starten einer Verknüpfung."}};
    ProgramItem item = {};
    CopyText(item.parameters, "-p 1");
    CopyText(item.workingDirectory, "%TEMP%");
    item.showCommand = SW_SHOWMINNOACTIVE;
    driver::Seam oldShell(Seams.shellExecute, OldShell);
    driver::Seam newShellCall(Seams.shellExecuteEx, NewShell);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CopyText(item.path, c.path.c_str());
        process = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        call.clear();
        driver::BoxWatcher boxes;
        EXPECT_EQ(!c.warning, LaunchProgramItem(&item, nullptr, c.oldShell));
        EXPECT_EQ(c.warning ? driver::Lines{c.warning} : driver::Lines{}, boxes.Texts());
        EXPECT_EQ(c.call, call);
        DWORD flags;
        bool started = !c.oldShell && !c.warning;
        EXPECT_EQ(started, !GetHandleInformation(process, &flags)) << "the started program's handle is closed";
        if (!started) CloseHandle(process);
    }
}
