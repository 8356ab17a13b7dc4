// The menu model under random edits, its look-ups and the entries' commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>

#include "base/texts.h"
#include "editor/menu_editing.h"
#include "menus/menu_numbering.h"
#include "model_builders.h"
#include "native_model.h"

namespace {

using builders::AddEntry;
using builders::AddMenu;
const char* const MENU_NAMES[] = {"&A", "&B", "&C"};
const char* const ENTRY_NAMES[] = {"x", "y", SEPARATOR_TEXT};

// The programs list of the editor: the entries, a separator line above some.
std::vector<std::string> Listing(const UserMenu* menu)
{
    std::vector<std::string> lines;
    for (const ProgramItem* item = menu->items; item; item = item->next) {
        if (item->separatorBefore) lines.push_back(SEPARATOR_TEXT);
        lines.push_back(std::string("entry ") + item->name);
    }
    return lines;
}

int LineOf(const UserMenu* menu, const ProgramItem* entry)
{
    int line = 0;
    for (const ProgramItem* item = menu->items; item != entry; item = item->next) line += item->separatorBefore ? 2 : 1;
    return line + (entry->separatorBefore ? 1 : 0);
}

// Each name finds its first record (the separator line's text none), each
// entry's command finds the entry, and the listing has its counted lines.
void ExpectLookUps(const Shape& shape)
{
    for (const char* name : MENU_NAMES) {
        UserMenu* first = nullptr;
        for (auto it = shape.rbegin(); it != shape.rend(); ++it)
            if (name == std::string(it->first->name)) first = it->first;
        EXPECT_EQ(first, FindUserMenu(name)) << name;
    }
    ASSERT_EQ(1, BindMenuEntries());
    for (size_t m = 0; m < shape.size(); ++m) {
        const auto& [menu, items] = shape[m];
        for (const char* name : ENTRY_NAMES) {
            ProgramItem* first = nullptr;
            for (auto it = items.rbegin(); it != items.rend(); ++it)
                if (name == std::string((*it)->name) && std::strcmp(name, SEPARATOR_TEXT) != 0) first = *it;
            EXPECT_EQ(first, FindProgramItem(menu->items, name)) << name;
        }
        for (size_t e = 0; e <= items.size(); ++e)
            EXPECT_EQ(e < items.size() ? items[e] : nullptr, FindProgramForCommand(EntryCommandId(m + 1, e + 1)));
        EXPECT_EQ(Listing(menu).size(), static_cast<size_t>(ListingLineCount(menu)));
    }
    EXPECT_EQ(nullptr, FindProgramForCommand(EntryCommandId(shape.size() + 1, 1)));
}

}  // namespace

TEST(MenuModel, RandomEditsKeepTheModelWhole)
{
    for (unsigned seed = 1; seed <= 40 && !HasFailure(); ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
        Shape shadow;
        for (int step = 0; step < 150 && !HasFailure(); ++step) {
            SCOPED_TRACE(step);
            if (shadow.empty() || pick(8) == 0) {
                shadow.push_back({AddMenu(MENU_NAMES[pick(3)]), {}});
            } else {
                const size_t m = pick(shadow.size());
                auto& [menu, items] = shadow[m];
                const int key = pick(2) ? MOVE_UP : MOVE_DOWN;
                const size_t e = items.empty() ? 0 : pick(items.size()), to = key == MOVE_UP ? e - 1 : e + 1;
                ProgramItem* entry = items.empty() ? nullptr : items[e];
                switch (entry ? pick(6) : pick(2) * 4) {
                case 0: {  // a menu one place left or right
                    const size_t mTo = key == MOVE_UP ? m - 1 : m + 1;
                    EXPECT_EQ(mTo < shadow.size(), MoveUserMenu(menu, key) == 1);
                    if (mTo < shadow.size()) std::swap(shadow[m], shadow[mTo]);
                    break;
                }
                case 1: {  // an entry one place up or down; the selection follows it
                    int selection =
                        LineAfterMove(MoveMenuEntry(menu, entry, LineOf(menu, entry), key), ListingLineCount(menu), key);
                    if (to < items.size()) std::swap(items[e], items[to]);
                    bool moved = to < items.size();
                    EXPECT_EQ(moved || key == MOVE_DOWN ? LineOf(menu, entry) : 0, selection);
                    break;
                }
                case 2: {  // an entry or its separator line deleted: their lines go
                    std::vector<std::string> lines = Listing(menu);
                    bool separatorLine = entry->separatorBefore && pick(2);
                    LineDeletion d = DeleteMenuEntry(menu, entry, LineOf(menu, entry) - separatorLine, separatorLine);
                    if (!separatorLine) items.erase(items.begin() + e);
                    ASSERT_LE(0, d.first);
                    ASSERT_LE(static_cast<size_t>(d.first + d.count), lines.size());
                    lines.erase(lines.begin() + d.first, lines.begin() + d.first + d.count);
                    EXPECT_EQ(lines, Listing(menu));
                    break;
                }
                case 3: {  // an entry moved to another menu; the caller mends items and count
                    if (menu->items == entry) menu->items = entry->next;
                    UnlinkProgramItem(entry);
                    menu->itemCount--;
                    entry->next = entry->prev = nullptr;
                    items.erase(items.begin() + e);
                    auto& [other, otherItems] = shadow[pick(shadow.size())];
                    AppendProgramItem(other, entry);
                    otherItems.push_back(entry);
                    break;
                }
                case 4:  // a new entry at the bottom; records never linked are freed apart
                    if (items.size() < 20) items.push_back(AddEntry(menu, ENTRY_NAMES[pick(3)], pick(2)));
                    FreeUserMenu(CreateUserMenu());
                    FreeProgramItem(CreateProgramItem());
                    break;
                case 5:
                    if (pick(2)) {  // a menu freed with its entries
                        FreeUserMenu(menu);
                        shadow.erase(shadow.begin() + m);
                    } else {  // or taken out and put at the end
                        UnlinkUserMenu(menu);
                        menu->next = menu->prev = nullptr;
                        AppendUserMenu(menu);
                        std::rotate(shadow.begin() + m, shadow.begin() + m + 1, shadow.end());
                    }
                    break;
                }
            }
            EXPECT_EQ("", ModelBreach());
            EXPECT_EQ(shadow, CurrentShape());
            ExpectLookUps(shadow);
        }
        FreeCommandBindings();
        FreeAllUserMenus();
        EXPECT_EQ(nullptr, menuListHead);
    }
}

TEST(MenuNumbering, AMenuTakesAsManyEntriesAsItsMessageSaysAndTheFirstBindingWins)
{
    UserMenu* full = AddMenu("&Voll");
    int added = 0;
    while (added < 1000 && AddDroppedFile(full, "C:\\A.EXE") == DROP_ADDED) ++added;
    EXPECT_EQ(DROP_MENU_FULL, AddDroppedFile(full, "C:\\B.EXE"));
    EXPECT_EQ(added, full->itemCount);
    EXPECT_NE(std::string::npos, std::string(MENU_FULL_TEXT).find(" " + std::to_string(added) + " "));
    std::set<int32_t> ids;
    for (int m = 1; m <= 3; ++m)
        for (int e = 1; e <= added; ++e) ids.insert(EntryCommandId(m, e));
    EXPECT_EQ(3u * added, ids.size()) << "no two entries within the limit share a command";

    // Beyond the limit, as a profile may hold it: the command the next menu's
    // first entry has goes to the entry of the first menu.
    int clash = added + 1;
    while (clash < 1000 && EntryCommandId(1, clash) != EntryCommandId(2, 1)) ++clash;
    while (full->itemCount < clash) AddEntry(full, "beyond");
    ProgramItem* nextFirst = AddEntry(AddMenu("&Danach"), "first");
    ASSERT_EQ(1, BindMenuEntries());
    ProgramItem* clashing = full->items;
    for (int e = 1; e < clash; ++e) clashing = clashing->next;
    EXPECT_EQ(clashing, FindProgramForCommand(EntryCommandId(2, 1)));
    EXPECT_NE(nextFirst, clashing);
    FreeCommandBindings();
    FreeAllUserMenus();
}
