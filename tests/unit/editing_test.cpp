// The menu editor's rules without its window, and the launcher's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/texts.h"
#include "editor/menu_editing.h"
#include "launcher/launcher.h"
#include "model_builders.h"
#include "native_model.h"
#include "native_platform.h"

using builders::AddEntry;
using builders::AddMenu;

TEST(MenuEditing, WorkingDirectoryIsTheDriveAndFolderWithoutTheTrailingSeparator)
{
    const struct {
        const char *path, *directory;
    } rows[] = {
        {"C:\\TOOLS\\EDIT.EXE", "C:\\TOOLS"},
        {"C:\\GAME.EXE", "C:"},
        {"C:EDIT.EXE", "C:"},
        {"EDIT.EXE", ""},
        {"", ""},
        {"D:/spiele/sub/x.exe", "D:/spiele/sub"},
        {"\\\\server\\share\\tool.exe", "\\\\server\\share"},
    };
    for (const auto& row : rows) {
        char directory[ITEM_DIRECTORY_SIZE] = "old";
        DeriveWorkingDirectory(row.path, directory, sizeof directory);
        EXPECT_STREQ(row.directory, directory) << row.path;
    }
    char small[6];
    DeriveWorkingDirectory("C:\\TOOLS\\EDIT.EXE", small, sizeof small);
    EXPECT_STREQ("C:\\TO", small);
}

TEST(MenuEditing, DroppedFilesAreNamedAfterTheirFileName)
{
    const struct {
        const char *file, *path, *name;
    } rows[] = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\notepad.EXE", "Notepad"},
        {"C:\\TOOLS\\MAKEFILE", "C:\\TOOLS\\MAKEFILE", "MAKEFILE"},
        {"C:\\TOOLS\\readme", "C:\\TOOLS\\readme", "Readme"},
        {"C:\\HOME\\.PROFILE", "C:\\HOME\\.PROFILE", DEFAULT_ENTRY_NAME},
        {"C:\\A.B\\ARCHIV.TAR.GZ", "C:\\A.B\\archiv.tar.GZ", "Archiv.tar"},
        {"Z:\\\xC4RGER.EXE", "Z:\\\xC4rger.EXE", "\xC4rger"},  // only ASCII letters change case
        {"Z:\\ein_sehr_langer_Dateiname_XYZ.EXE", "Z:\\ein_sehr_langer_dateiname_xyz.EXE",
         "Ein_sehr_langer_dateiname_xyz"},
        {"Z:\\ein_sehr_langer_Dateiname_WXYZ.EXE", "Z:\\ein_sehr_langer_dateiname_wxyz.EXE",
         "Ein_sehr_langer_dateiname_wxy"},
    };
    for (const auto& row : rows) {
        char path[ITEM_PATH_SIZE], name[ITEM_NAME_SIZE];
        CopyText(path, row.file);
        NameDroppedFile(path, name, sizeof name);
        EXPECT_STREQ(row.path, path) << row.file;
        EXPECT_STREQ(row.name, name) << row.file;
    }
}

TEST(MenuEditing, DroppedFilesBecomeEntriesAtTheBottomUnlessTheirPathIsTooLong)
{
    UserMenu* menu = AddMenu("&Eins");
    AddEntry(menu, "Alt");
    const std::string fits = "C:\\" + std::string(ITEM_PATH_SIZE - 1 - 12, 'p') + "\\LANG.EXE";
    const std::string game = "Game|C:\\game.EXE|C:||" + std::to_string(SHOW_COMMAND_DEFAULT) + "|0;";
    const struct {
        std::string path;
        DropResult result;
        std::string entry;  // the bottom entry afterwards
    } rows[] = {
        {"C:\\GAME.EXE", DROP_ADDED, game},
        {"", DROP_SKIPPED, game},
        {fits + "X", DROP_PATH_TOO_LONG, game},
        {fits, DROP_ADDED, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.result, AddDroppedFile(menu, row.path.c_str())) << row.path;
        EXPECT_EQ("", ModelBreach());
        std::string bottom = Describe();
        if (!row.entry.empty()) {
            EXPECT_EQ(row.entry, bottom.substr(bottom.rfind(';', bottom.size() - 2) + 1)) << row.path;
        }
    }
    EXPECT_STREQ("Lang", menu->items->next->next->name);
    EXPECT_EQ(fits.substr(0, fits.size() - 9), menu->items->next->next->workingDirectory);
    FreeAllUserMenus();
}

TEST(MenuEditing, DeletingSelectsAsTheUserExpects)
{
    UserMenu* menu = AddMenu("&Eins");
    ProgramItem* a = AddEntry(menu, "A");
    ProgramItem* b = AddEntry(menu, "B", 1);
    ProgramItem* c = AddEntry(menu, "C", 1);
    AddEntry(menu, "D");  // lines: A, -------, B, -------, C, D
    const struct {
        ProgramItem* entry;
        int line, separatorLine, selection, lines;
    } steps[] = {
        {b, 1, 1, 0, 5},   // only the separator; the line above
        {b, 1, 0, 1, 4},   // the following line moves up into the selection
        {a, 0, 0, 0, 3},   // the first entry
        {c, 1, 0, -1, 1},  // with its separator: nothing above is left
    };
    for (const auto& s : steps) {
        EXPECT_EQ(s.selection, DeleteMenuEntry(menu, s.entry, s.line, s.separatorLine).selection) << s.line;
        EXPECT_EQ(s.lines, ListingLineCount(menu));
        EXPECT_EQ("", ModelBreach());
    }
    for (int line = 0; line < 3; ++line) {  // the menus list has no separators
        EXPECT_EQ(line ? line - 1 : 0, LineAfterMove(line, 3, MOVE_UP));
        EXPECT_EQ(line < 2 ? line + 1 : 2, LineAfterMove(line, 3, MOVE_DOWN));
    }
    FreeAllUserMenus();
}

TEST(MenuEditing, DropsLandOnTheLineAndMenuUnderThePoint)
{
    const struct {
        int y, lineHeight, topIndex, line;
    } rows[] = {{0, 13, 0, 0}, {12, 13, 0, 0}, {13, 13, 0, 1}, {13, 13, 2, 3}, {5, 0, 0, -1}, {-20, 13, 0, -1}};
    for (const auto& row : rows) EXPECT_EQ(row.line, DropTargetLine(row.y, row.lineHeight, row.topIndex)) << row.y;
    EXPECT_EQ(nullptr, MenuAtLine(0)) << "no menus";
    UserMenu* first = AddMenu("&Eins");
    UserMenu* second = AddMenu("&Zwei");
    EXPECT_EQ(first, MenuAtLine(0));
    EXPECT_EQ(second, MenuAtLine(1));
    EXPECT_EQ(nullptr, MenuAtLine(2));
    EXPECT_EQ(nullptr, MenuAtLine(-1));
    FreeAllUserMenus();
}

TEST(Launcher, ShortcutsAreKnownByTheirEnding)
{
    for (const char* path : {"C:\\Start\\Editor.LNK", "x.lnk", ".lnk", "a.LnK"}) EXPECT_TRUE(IsShellLinkPath(path)) << path;
    for (const char* path : {"lnk", "C:\\link.exe", "", "x.lnk ", "x.lnkx", "x_lnk"})
        EXPECT_FALSE(IsShellLinkPath(path)) << path;
}

TEST(Launcher, OldShellResultsBelowThirtyTwoAreFailuresWithTheirMessage)
{
    const std::string path = "C:\\" + std::string(ITEM_PATH_SIZE - 4, 'p');  // the longest, shown whole
    const struct {
        uintptr_t result;
        int started;
        std::string text;
    } rows[] = {
        {2, 0, Formatted(FILE_NOT_FOUND_FORMAT, path.c_str())},
        {3, 0, Formatted(PATH_NOT_FOUND_FORMAT, path.c_str())},
        {0, 0, Formatted(SHELL_ERROR_FORMAT, 0)},
        {31, 0, Formatted(SHELL_ERROR_FORMAT, 31)},
        {32, 1, "untouched"},
        {0x80000000u, 1, "untouched"},  // a handle value with the top bit set
        {UINTPTR_MAX - 1, 1, "untouched"},
    };
    for (const auto& row : rows) {
        char text[400] = "untouched";
        EXPECT_EQ(row.started, CheckShellExecuteResult(row.result, path.c_str(), text, sizeof text)) << row.result;
        EXPECT_EQ(row.text, text) << row.result;
    }
}
