// Fuzz target on the profile reader: any input loads without fault, leaves a
// whole model (or none after a fatal end), and what loads saves, loads and
// saves again to the same bytes.
#include <cstdint>
#include <cstdlib>

#include "base/process_state.h"
#include "base/text.h"
#include "menus/profile_file.h"
#include "native_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CopyText(profileFileName, "deskrail.fuzz");
    ProfileLoad load = LoadProfileBytes(data, size);
    if (load.fatal ? menuListHead != nullptr || !load.message[0] : load.message[0] != '\0') std::abort();
    if (!ModelBreach().empty()) std::abort();
    if (!load.fatal) {
        const Bytes saved = Encoded();
        FreeAllUserMenus();
        if (LoadProfileBytes(saved.data(), saved.size()).fatal || !ModelBreach().empty() || Encoded() != saved)
            std::abort();
    }
    FreeAllUserMenus();
    return 0;
}
