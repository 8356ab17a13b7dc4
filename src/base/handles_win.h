// win_handles.h: handles that close themselves.
#pragma once
#include <windows.h>

// FileHandle: a CreateFile handle, closed at the end of its scope.
struct FileHandle {
    HANDLE handle;
    explicit FileHandle(HANDLE opened) : handle(opened) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
    // Close: true when the handle closed cleanly (or was never open).
    bool Close()
    {
        bool closed = !Valid() || CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }
};

// RegistryKey: a key that closes itself.
struct RegistryKey {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (handle) RegCloseKey(handle);
    }
    bool OpenOrCreate(const char* name)
    {
        return RegCreateKeyExA(HKEY_CURRENT_USER, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                               nullptr, &handle, &disposition) == ERROR_SUCCESS;
    }
};

// WindowDC: a window's whole-window device context, released at scope end.
struct WindowDC {
    HWND window;
    HDC dc;
    explicit WindowDC(HWND owner) : window(owner), dc(GetWindowDC(owner)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc) ReleaseDC(window, dc);
    }
};

// GdiObject: a font or brush of our own, deleted at scope end.
struct GdiObject {
    HGDIOBJ object;
    explicit GdiObject(HGDIOBJ created) : object(created) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject()
    {
        if (object) DeleteObject(object);
    }
};
