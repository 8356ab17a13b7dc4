// Fuzz target on the profile reader: any input loads without fault, and what
// loads saves and loads again to the same model.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "menus/menu_model.h"
#include "menus/profile_file.h"
#include "native_platform.h"
#include "shell/bar_state.h"
#include "shell/text.h"

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

template <size_t N>
void CheckTerminated(const char (&field)[N])
{
    Check(std::memchr(field, '\0', N) != nullptr);
}

// The model's records without their links, after checking the links.
struct Model {
    std::vector<UserMenu> menus;
    std::vector<ProgramItem> items;
};

Model Capture()
{
    Model model;
    const UserMenu* previousMenu = nullptr;
    for (const UserMenu* menu = menuListHead; menu; previousMenu = menu, menu = menu->next) {
        Check(menu->prev == previousMenu);
        CheckTerminated(menu->name);
        int32_t count = 0;
        const ProgramItem* previousItem = nullptr;
        for (const ProgramItem* item = menu->items; item; previousItem = item, item = item->next) {
            Check(item->prev == previousItem);
            CheckTerminated(item->path);
            CheckTerminated(item->workingDirectory);
            CheckTerminated(item->parameters);
            CheckTerminated(item->name);
            model.items.push_back(*item);
            ++count;
        }
        Check(count == menu->itemCount);
        model.menus.push_back(*menu);
    }
    return model;
}

bool SameMenu(const UserMenu& a, const UserMenu& b)
{
    return std::memcmp(a.name, b.name, sizeof a.name) == 0 && a.itemCount == b.itemCount;
}

bool SameItem(const ProgramItem& a, const ProgramItem& b)
{
    return std::memcmp(a.path, b.path, sizeof a.path) == 0 &&
           std::memcmp(a.workingDirectory, b.workingDirectory, sizeof a.workingDirectory) == 0 &&
           std::memcmp(a.parameters, b.parameters, sizeof a.parameters) == 0 &&
           std::memcmp(a.name, b.name, sizeof a.name) == 0 && a.showCommand == b.showCommand &&
           a.separatorBefore == b.separatorBefore;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CopyText(profileFileName, "deskrail.fuzz");
    LoadProfileBytes(data, size);
    // A fatal error leaves nothing behind.
    if (!TakeRecordedBoxes().empty()) Check(menuListHead == nullptr);
    Model first = Capture();

    std::vector<unsigned char> bytes = ProfileBytes();
    Check(bytes.size() == 4 + first.menus.size() * MENU_RECORD_SIZE + first.items.size() * ENTRY_RECORD_SIZE);
    FreeAllUserMenus();
    LoadProfileBytes(bytes.data(), bytes.size());
    Check(TakeRecordedBoxes().empty());
    Model second = Capture();

    Check(first.menus.size() == second.menus.size() && first.items.size() == second.items.size());
    for (size_t i = 0; i < first.menus.size(); ++i) Check(SameMenu(first.menus[i], second.menus[i]));
    for (size_t i = 0; i < first.items.size(); ++i) Check(SameItem(first.items[i], second.items[i]));
    Check(ProfileBytes() == bytes);
    FreeAllUserMenus();
    return 0;
}
