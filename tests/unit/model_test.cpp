// The entries' commands, the editor's rules without its window, and the launcher's
// (random edits of the menu model run as a fuzzer).
#include <gtest/gtest.h>


#include "base/texts.h"
#include "editor/menu_editing.h"
#include "launcher/launcher.h"
#include "native_platform.h"

TEST(MenuNumbering, AMenuTakesTheEntriesItsMessageNamesAndNoneTakesAnothersCommand)
{
    TestMenus menus;
    UserMenu* full = AddMenu(menus, "&Voll");
    int added = 0;
    while (added < 1000 && AddDroppedFile(full, "C:\\A.EXE") == DROP_ADDED) ++added;
    EXPECT_EQ(DROP_MENU_FULL, AddDroppedFile(full, "C:\\B.EXE"));
    EXPECT_EQ(99, added) << "as its message says";
    // Entry k of menu m is command 100 * m + k. Beyond 99, as a profile may hold them, entry 101
    // would share the next menu's first command: they get none.
    while (added++ < 101) AddEntry(full, "beyond");
    ProgramItem* first = AddEntry(AddMenu(menus, "&Danach"), "first");
    EXPECT_TRUE(MenusExceedLimits(menus));
    ASSERT_EQ(1, BindMenuEntries(menus));
    ProgramItem* second = full->items->next;
    const std::pair<int, ProgramItem*> commands[] = {{101, full->items}, {102, second}, {200, nullptr}, {201, first}};
    for (const auto& [id, entry] : commands) EXPECT_EQ(entry, FindProgramForCommand(menus, id)) << id;
    // The editor takes as many menus as keep every command below the popup's 40001.
    int count = 2;
    for (; BarHasRoom(menus); ++count) AddMenu(menus, "m");
    EXPECT_EQ(399, count);
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
    TestMenus menus;
    UserMenu* menu = AddMenu(menus, "&Eins");
    std::string entries = Formatted("&Eins/%d:", static_cast<int>(std::size(rows)));
    for (const auto& row : rows) {
        EXPECT_EQ(DROP_ADDED, AddDroppedFile(menu, row.file)) << row.file;
        entries += Formatted("%s|%s|%s||%d|0;", row.name, row.path, row.directory, SHOW_COMMAND_DEFAULT);
    }
    EXPECT_EQ(entries, Describe(menus));
    const std::string longest = "C:\\" + std::string(ITEM_PATH_SIZE - 4, 'p');
    EXPECT_EQ(DROP_SKIPPED, AddDroppedFile(menu, ""));
    EXPECT_EQ(DROP_PATH_TOO_LONG, AddDroppedFile(menu, (longest + "X").c_str()));
    EXPECT_EQ(DROP_ADDED, AddDroppedFile(menu, longest.c_str()));
    // Drop point, line height, first line shown: the line dropped on, or -1.
    const int drops[][4] = {{12, 13, 0, 0}, {13, 13, 2, 3}, {5, 0, 0, -1}, {-30, 13, 0, -1}};
    for (const auto& d : drops) EXPECT_EQ(d[3], DropTargetLine(d[0], d[1], d[2])) << d[0] << " " << d[2];
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
