// Fuzz target on the menu model and the editor's rules: any sequence of edits (new menus and
// entries, moves, deletions with or without a separator line, records freed unlinked) keeps the
// lists whole and in the order the same edits give a plain list, the lines and selections the
// editor shows agree with that list, and the look-ups find the first of a name.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/texts.h"
#include "editor/menu_editing.h"
#include "native_platform.h"

namespace {
const char* const MENU_NAMES[] = {"&A", "&B", "&C"};
const char* const ENTRY_NAMES[] = {"x", "y", SEPARATOR_TEXT};

template <class A, class B>
void Same(const A& expected, const B& actual)
{
    if (!(expected == actual)) std::abort();
}

// The entry's line in the editor's programs list, where a separator line stands above some entries.
int LineOf(const UserMenu* menu, const ProgramItem* entry)
{
    int line = 0;
    for (const ProgramItem* item = menu->items; item != entry; item = item->next) line += item->separatorBefore ? 2 : 1;
    return line + (entry->separatorBefore ? 1 : 0);
}

template <class Record>
Record* FirstNamed(const std::vector<Record*>& records, const char* name)
{
    for (Record* record : records)
        if (!std::strcmp(record->name, name)) return std::strcmp(name, SEPARATOR_TEXT) ? record : nullptr;
    return nullptr;
}

// Pick: the fuzz bytes as choices; none left chooses 0.
struct Pick {
    const uint8_t* at;
    size_t left;
    size_t operator()(size_t n) { return left ? (--left, *at++ % n) : 0; }
};

// Edit: one edit of the model, made to its shadow as well.
void Edit(MenuList& menus, Shape& shadow, Pick& pick)
{
    if (shadow.empty() || pick(8) == 0) return shadow.push_back({AddMenu(menus, MENU_NAMES[pick(3)]), {}});
    const int key = pick(2) ? MOVE_UP : MOVE_DOWN;
    const size_t m = pick(shadow.size()), mTo = key == MOVE_UP ? m - 1 : m + 1;
    auto& [menu, items] = shadow[m];
    const size_t e = items.empty() ? 0 : pick(items.size()), eTo = key == MOVE_UP ? e - 1 : e + 1;
    ProgramItem* entry = items.empty() ? nullptr : items[e];
    switch (entry ? pick(5) : pick(2) * 3) {
    case 0:  // a menu one place left or right
        Same(mTo < shadow.size(), MoveUserMenu(menus, menu, key) == 1);
        if (mTo < shadow.size()) std::swap(shadow[m], shadow[mTo]);
        break;
    case 1: {  // an entry one place up or down; the selection follows it
        int selection = LineAfterMove(MoveMenuEntry(menu, entry, LineOf(menu, entry), key), ListingLineCount(menu), key);
        if (eTo < items.size()) std::swap(items[e], items[eTo]);
        Same(eTo < items.size() || key == MOVE_DOWN ? LineOf(menu, entry) : 0, selection);
        break;
    }
    case 2: {  // an entry with its separator line, or only that line, deleted
        const int lines = ListingLineCount(menu), line = LineOf(menu, entry);
        const bool separator = entry->separatorBefore, separatorOnly = separator && pick(2);
        LineDeletion d = DeleteMenuEntry(menu, entry, line - separatorOnly, separatorOnly);
        if (!separatorOnly) items.erase(items.begin() + e);
        Same(line - separator, d.first);
        Same(lines - d.count, ListingLineCount(menu));
        // Where a separator went the line above is selected, else the line that moved up.
        Same(separator ? d.first - 1 : d.first, d.selection);
        break;
    }
    case 3:  // a new entry; records never linked are freed apart
        if (items.size() < 20) items.push_back(AddEntry(menu, ENTRY_NAMES[pick(3)], pick(2)));
        FreeUserMenu(menus, CreateUserMenu());
        return FreeProgramItem(CreateProgramItem());
    case 4:  // a menu freed with its entries
        FreeUserMenu(menus, menu);
        shadow.erase(shadow.begin() + m);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Pick pick = {data, size};
    MenuList list = {};
    Shape shadow;
    while (pick.left) {
        Edit(list, shadow, pick);
        Shape shape;
        Same(std::string(), ModelBreach(list, &shape));
        Same(shadow, shape);
        std::vector<UserMenu*> menus;
        for (const auto& [menu, items] : shadow) menus.push_back(menu);
        for (const char* name : MENU_NAMES) Same(FirstNamed(menus, name), FindUserMenu(list, name));
        for (const auto& [menu, items] : shadow)
            for (const char* name : ENTRY_NAMES) Same(FirstNamed(items, name), FindProgramItem(menu->items, name));
    }
    FreeAllUserMenus(list);
    return 0;
}
