// win_import_hook.h: puts a function of the test's own in place of one that
// this executable imports, for the life of the object. Wine's GetGuiResources
// counts nothing, so resource checks count the program's own calls instead.
#pragma once
#include <windows.h>

namespace driver {

class ImportHook {
public:
    ImportHook(const char* dll, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;
    bool Installed() const { return slot != nullptr; }
    void* Original() const { return original; }

private:
    void** slot = nullptr;
    void* original = nullptr;
};

}  // namespace driver
