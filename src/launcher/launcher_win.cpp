#include "launcher/launcher_win.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "base/lazy_import_win.h"
#include "base/messages.h"
#include "base/seams_win.h"
#include "base/text.h"
#include "base/texts.h"
#include "launcher/launcher.h"
#include "menus/menu_model.h"

static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the 32-bit shell request");

namespace {
// A path of at most 127 characters and the longest message fit with room.
enum { FAILURE_TEXT_SIZE = 300 };

// ComRef: one interface pointer, released when it goes out of scope.
template <class Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef()
    {
        if (pointer) pointer->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* operator->() const { return pointer; }
    void** Out() { return reinterpret_cast<void**>(&pointer); }

private:
    Interface* pointer = nullptr;
};

// ComScope: COM for one shortcut resolution. Only a CoInitialize that worked
// is paired with CoUninitialize, so a thread that runs COM in another mode
// does not lose its own initialisation.
class ComScope {
public:
    ComScope()
    {
        static const auto initialize = LazyImport<decltype(&CoInitialize)>("ole32.dll", "CoInitialize");
        static const auto create = LazyImport<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
        static const auto uninitialize = LazyImport<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
        createInstance = create;
        end = uninitialize;
        initialised = initialize && create && uninitialize && SUCCEEDED(initialize(nullptr));
    }
    ~ComScope()
    {
        if (initialised) end();
    }
    // CreateInstance: CoCreateInstance, or a failure when COM is not there.
    HRESULT CreateInstance(REFCLSID type, REFIID wanted, void** object) const
    {
        *object = nullptr;
        return createInstance ? createInstance(type, nullptr, CLSCTX_INPROC_SERVER, wanted, object) : E_FAIL;
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised;
    decltype(&CoCreateInstance) createInstance;
    decltype(&CoUninitialize) end;
};

}  // namespace

HRESULT ResolveShellLink(HWND owner, const char* linkPath, char (&target)[MAX_PATH],
                         char (&workingDirectory)[MAX_PATH], char (&arguments)[LINK_ARGUMENTS_SIZE], int& showCommand)
{
    target[0] = workingDirectory[0] = arguments[0] = '\0';
    // Declared first, so both interfaces are released before COM ends.
    ComScope com;
    ComRef<IShellLinkA> link;
    HRESULT result = com.CreateInstance(CLSID_ShellLink, IID_IShellLinkA, link.Out());
    if (FAILED(result)) return result;
    ComRef<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.Out());
    if (FAILED(result)) return result;

    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH)) return E_INVALIDARG;
    result = file->Load(widePath, STGM_READ);
    if (FAILED(result)) return result;
    result = link->Resolve(owner, SLR_NO_UI | SLR_ANY_MATCH);
    if (FAILED(result)) return result;

    WIN32_FIND_DATAA found;
    // S_FALSE: no file-system target, and the buffer may hold anything.
    if (link->GetPath(target, MAX_PATH, &found, SLGP_SHORTPATH) != S_OK) target[0] = '\0';
    link->GetWorkingDirectory(workingDirectory, MAX_PATH);
    link->GetArguments(arguments, LINK_ARGUMENTS_SIZE);
    // A failed call must not leave a buffer unterminated.
    target[MAX_PATH - 1] = workingDirectory[MAX_PATH - 1] = arguments[LINK_ARGUMENTS_SIZE - 1] = '\0';
    return link->GetShowCmd(&showCommand);
}

int LaunchProgramItem(const ProgramItem* item, HWND owner, bool oldShell)
{
    if (!item) return 0;
    char path[sizeof item->path + 1];
    char parameters[sizeof item->parameters + 1];
    char directory[sizeof item->workingDirectory + 1];
    FieldText(path, item->path);
    FieldText(parameters, item->parameters);
    FieldText(directory, item->workingDirectory);

    if (oldShell) {
        // The old shell knows no shortcuts and expands no variables: the entry goes as it is.
        HINSTANCE result = Seams.shellExecute(owner, "open", path, parameters, directory, item->showCommand);
        char text[FAILURE_TEXT_SIZE];
        if (CheckShellExecuteResult(reinterpret_cast<uintptr_t>(result), path, text, sizeof text)) return 1;
        ShowWarning(text);
        return 0;
    }

    // Shell handlers may rely on COM: it stays initialised across the call.
    ComScope com;
    SHELLEXECUTEINFOA request = {};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST;
    request.hwnd = owner;
    request.lpVerb = "open";

    char target[MAX_PATH];
    char linkDirectory[MAX_PATH];
    char arguments[LINK_ARGUMENTS_SIZE];
    int linkShowCommand = 0;
    if (IsShellLinkPath(path)) {
        if (FAILED(ResolveShellLink(owner, path, target, linkDirectory, arguments, linkShowCommand))) {
            ShowWarning(SHORTCUT_FAILED_TEXT);
            return 0;
        }
        // Without a file to start, the shell opens the shortcut itself, as Explorer does.
        request.lpFile = target[0] ? target : path;
        request.lpParameters = arguments;
        request.lpDirectory = linkDirectory;
        request.nShow = linkShowCommand;
        if (!target[0]) request.lpParameters = request.lpDirectory = nullptr;  // the shortcut brings its own
    } else {
        request.lpFile = path;
        request.lpParameters = parameters;
        request.lpDirectory = directory;
        request.nShow = item->showCommand;
    }

    // A failure here is the shell's to report, in its own dialog.
    Seams.shellExecuteEx(&request);
    // The bar has no use for the started process; an open handle would keep
    // the system's record of it alive for as long as the bar runs.
    if (request.hProcess) CloseHandle(request.hProcess);
    return 1;
}
