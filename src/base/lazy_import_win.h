// lazy_import_win.h: functions of DLLs the bar needs only now and then (the
// file dialog, sound, COM for shortcuts). Loading those DLLs takes longer
// than all the rest of start-up, so they are loaded at first use instead.
#pragma once
#include <windows.h>

// LazyImport: the function, or null when its DLL or the function is missing.
// The DLL stays loaded for the rest of the run.
template <typename Function>
Function LazyImport(const char* dll, const char* name)
{
    HMODULE module = LoadLibraryA(dll);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
