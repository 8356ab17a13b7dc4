// The menu model under random edits, its look-ups, the entries' commands, the
// editor's rules without its window, and the launcher's.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "base/texts.h"
#include "editor/menu_editing.h"
#include "launcher/launcher.h"
#include "native_platform.h"

namespace {
const char* const MENU_NAMES[] = {"&A", "&B", "&C"};
const char* const ENTRY_NAMES[] = {"x", "y", SEPARATOR_TEXT};

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

// RandomEdit: one edit of the model, made to its shadow as well.
void RandomEdit(Shape& shadow, std::mt19937& random)
{
    auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    if (shadow.empty() || pick(8) == 0) return shadow.push_back({AddMenu(MENU_NAMES[pick(3)]), {}});
    const int key = pick(2) ? MOVE_UP : MOVE_DOWN;
    const size_t m = pick(shadow.size()), mTo = key == MOVE_UP ? m - 1 : m + 1;
    auto& [menu, items] = shadow[m];
    const size_t e = items.empty() ? 0 : pick(items.size()), eTo = key == MOVE_UP ? e - 1 : e + 1;
    ProgramItem* entry = items.empty() ? nullptr : items[e];
    switch (entry ? pick(5) : pick(2) * 3) {
    case 0:  // a menu one place left or right
        EXPECT_EQ(mTo < shadow.size(), MoveUserMenu(menu, key) == 1);
        if (mTo < shadow.size()) std::swap(shadow[m], shadow[mTo]);
        break;
    case 1: {  // an entry one place up or down; the selection follows it
        int selection = LineAfterMove(MoveMenuEntry(menu, entry, LineOf(menu, entry), key), ListingLineCount(menu), key);
        if (eTo < items.size()) std::swap(items[e], items[eTo]);
        EXPECT_EQ(eTo < items.size() || key == MOVE_DOWN ? LineOf(menu, entry) : 0, selection);
        break;
    }
    case 2: {  // an entry with its separator line, or only that line, deleted
        const int lines = ListingLineCount(menu), line = LineOf(menu, entry);
        const bool separator = entry->separatorBefore, separatorOnly = separator && pick(2);
        LineDeletion d = DeleteMenuEntry(menu, entry, line - separatorOnly, separatorOnly);
        if (!separatorOnly) items.erase(items.begin() + e);
        EXPECT_EQ(line - separator, d.first);
        EXPECT_EQ(lines - d.count, ListingLineCount(menu));
        // Where a separator went the line above is selected, else the line that moved up.
        EXPECT_EQ(separator ? d.first - 1 : d.first, d.selection);
        break;
    }
    case 3:  // a new entry; records never linked are freed apart
        if (items.size() < 20) items.push_back(AddEntry(menu, ENTRY_NAMES[pick(3)], pick(2)));
        FreeUserMenu(CreateUserMenu());
        return FreeProgramItem(CreateProgramItem());
    case 4:  // a menu freed with its entries
        FreeUserMenu(menu);
        shadow.erase(shadow.begin() + m);
    }
}
}  // namespace

TEST(MenuModel, RandomEditsKeepTheModelWholeAndItsLookUpsRight)
{
    for (unsigned seed = 1; seed <= 40 && !HasFailure(); ++seed) {
        std::mt19937 random(seed);
        Shape shadow;
        for (int step = 0; step < 150 && !HasFailure(); ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            RandomEdit(shadow, random);
            Shape shape;
            EXPECT_EQ("", ModelBreach(&shape));
            EXPECT_EQ(shadow, shape);
            std::vector<UserMenu*> menus;
            for (const auto& [menu, items] : shadow) menus.push_back(menu);
            for (const char* name : MENU_NAMES) EXPECT_EQ(FirstNamed(menus, name), FindUserMenu(name));
            for (const auto& [menu, items] : shadow)
                for (const char* name : ENTRY_NAMES) EXPECT_EQ(FirstNamed(items, name), FindProgramItem(menu->items, name));
        }
        FreeAllUserMenus();
    }
}

TEST(MenuNumbering, AMenuTakesTheEntriesItsMessageNamesAndNoneTakesAnothersCommand)
{
    UserMenu* full = AddMenu("&Voll");
    int added = 0;
    while (added < 1000 && AddDroppedFile(full, "C:\\A.EXE") == DROP_ADDED) ++added;
    EXPECT_EQ(DROP_MENU_FULL, AddDroppedFile(full, "C:\\B.EXE"));
    EXPECT_EQ(99, added) << "as its message says";
    // Entry k of menu m is command 100 * m + k. Beyond 99, as a profile may hold them, entry 101
    // would share the next menu's first command: they get none.
    while (added++ < 101) AddEntry(full, "beyond");
    ProgramItem* first = AddEntry(AddMenu("&Danach"), "first");
    EXPECT_TRUE(MenusExceedLimits());
    ASSERT_EQ(1, BindMenuEntries());
    ProgramItem* second = full->items->next;
    const std::pair<int, ProgramItem*> commands[] = {{101, full->items}, {102, second}, {200, nullptr}, {201, first}};
    for (const auto& [id, entry] : commands) EXPECT_EQ(entry, FindProgramForCommand(id)) << id;
    // The editor takes as many menus as keep every command below the popup's 40001.
    int menus = 2;
    for (; BarHasRoom(); ++menus) AddMenu("m");
    EXPECT_EQ(399, menus);
    FreeCommandBindings();
    FreeAllUserMenus();
}

TEST(MenuEditing, DroppedFilesAreNamedAfterTheFileAndWorkInItsFolderAndDropsFindTheirLine)
{
    const struct { const char *file, *path, *name, *directory; } rows[] = {
        {"C:\\TOOLS\\MAKEFILE", "C:\\TOOLS\\MAKEFILE", "MAKEFILE", "C:\\TOOLS"},
        {"C:\\HOME\\.PROFILE", "C:\\HOME\\.PROFILE", DEFAULT_ENTRY_NAME, "C:\\HOME"},
        {"C:\\A.B\\ARCHIV.TAR.GZ", "C:\\A.B\\archiv.tar.GZ", "Archiv.tar", "C:\\A.B"},
        // The root, not the drive's current folder; only ASCII letters change case.
        {"C:\\\xC4RGER.EXE", "C:\\\xC4rger.EXE", "\xC4rger", "C:\\"},
        {"Z:\\ein_sehr_langer_Dateiname_WXYZ.EXE", "Z:\\ein_sehr_langer_dateiname_wxyz.EXE", "Ein_sehr_langer_dateiname_wxy", "Z:\\"},
    };
    UserMenu* menu = AddMenu("&Eins");
    std::string entries = Formatted("&Eins/%d:", static_cast<int>(std::size(rows)));
    for (const auto& row : rows) {
        EXPECT_EQ(DROP_ADDED, AddDroppedFile(menu, row.file)) << row.file;
        entries += Formatted("%s|%s|%s||%d|0;", row.name, row.path, row.directory, SHOW_COMMAND_DEFAULT);
    }
    EXPECT_EQ(entries, Describe());
    const std::string longest = "C:\\" + std::string(ITEM_PATH_SIZE - 4, 'p');
    EXPECT_EQ(DROP_SKIPPED, AddDroppedFile(menu, ""));
    EXPECT_EQ(DROP_PATH_TOO_LONG, AddDroppedFile(menu, (longest + "X").c_str()));
    EXPECT_EQ(DROP_ADDED, AddDroppedFile(menu, longest.c_str()));
    // Drop point, line height, first line shown: the line dropped on, or -1.
    const int drops[][4] = {{12, 13, 0, 0}, {13, 13, 2, 3}, {5, 0, 0, -1}, {-30, 13, 0, -1}};
    for (const auto& d : drops) EXPECT_EQ(d[3], DropTargetLine(d[0], d[1], d[2])) << d[0] << " " << d[2];
    FreeAllUserMenus();
    // Typed paths too: a drive's own folder, forward slashes, a short field.
    const struct { const char *path, *directory; size_t size; } typed[] = {
        {"C:EDIT.EXE", "C:", 9}, {"D:/a/x.exe", "D:/a", 9}, {"C:\\TOOLS\\X", "C:\\TO", 6}};
    for (const auto& t : typed) {
        char directory[9] = "old";
        DeriveWorkingDirectory(t.path, directory, t.size);
        EXPECT_STREQ(t.directory, directory) << t.path;
    }
}

TEST(Launcher, AHandleWithTheTopBitSetIsAStartAndShortcutsGoByTheirEnding)
{
    char text[400] = "";
    EXPECT_EQ(1, CheckShellExecuteResult(UINTPTR_MAX - 1, "x.exe", text, sizeof text)) << text;
    for (const char* path : {".lnk", "a.LnK"}) EXPECT_TRUE(IsShellLinkPath(path)) << path;
    for (const char* path : {"lnk", "x.lnkx"}) EXPECT_FALSE(IsShellLinkPath(path)) << path;
}
