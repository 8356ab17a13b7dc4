// The menu editor's decisions: selection after moves and deletes, entries
// made from dropped files, working directories derived from paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/menu_editing.h"
#include "menus/menu_model.h"
#include "native_platform.h"

namespace {

using LineList = std::vector<std::string>;

class MenuEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu = CreateUserMenu();
        CopyText(menu->name, "&Eins");
        AppendUserMenu(menu);
    }
    void TearDown() override
    {
        FreeAllUserMenus();
        TakeRecordedBoxes();
    }

    // Entries by name; a leading '|' puts a separator above the entry.
    void Entries(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            ProgramItem* item = CreateProgramItem();
            item->separatorBefore = name[0] == '|';
            CopyText(item->name, name + (name[0] == '|'));
            AppendProgramItem(menu, item);
        }
    }
    ProgramItem* Entry(const char* name)
    {
        for (ProgramItem* item = menu->items; item; item = item->next)
            if (std::string(item->name) == name) return item;
        return nullptr;
    }
    // The programs list as the dialog shows it, checking every link on the way.
    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        ProgramItem* before = nullptr;
        int count = 0;
        for (ProgramItem* item = menu->items; item; before = item, item = item->next, ++count) {
            EXPECT_EQ(before, item->prev) << item->name;
            if (item->separatorBefore) lines.push_back(SEPARATOR_TEXT);
            lines.push_back(item->name);
        }
        EXPECT_EQ(count, menu->itemCount);
        EXPECT_EQ(static_cast<int>(lines.size()), ListingLineCount(menu));
        return lines;
    }
    // Move: the entry at that line, as the dialog does it; gives the new selection.
    int Move(int line, int key)
    {
        int adjusted = MoveMenuEntry(menu, Entry(Lines()[line].c_str()), line, key);
        return LineAfterMove(adjusted, ListingLineCount(menu), key);
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const RecordedBox& box : TakeRecordedBoxes()) texts.push_back(box.text);
        return texts;
    }

    UserMenu* menu = nullptr;
};

}  // namespace

TEST_F(MenuEditing, MovesTakeSeparatorsAlongAndSelectTheMovedEntry)
{
    // Entries (a leading '|' is a separator above), the line moved, the key,
    // the selection afterwards and the list then. The walk in Lines() starts
    // at items, so it also shows that items was mended.
    const struct {
        std::initializer_list<const char*> entries;
        int line, key, selection;
        LineList after;
    } cases[] = {
        {{"A", "|B"}, 2, MOVE_UP, 1, {"-------", "B", "A"}},  // the separator goes along
        {{"|A", "B"}, 2, MOVE_UP, 0, {"B", "-------", "A"}},  // the separator stays with A
        {{"A", "|B", "C"}, 0, MOVE_DOWN, 2, {"-------", "B", "A", "C"}},
        {{"|B", "A", "C"}, 2, MOVE_DOWN, 3, {"-------", "B", "C", "A"}},
        {{"|A", "B"}, 1, MOVE_UP, 0, {"-------", "A", "B"}},  // the first entry's own separator line
        {{"|A", "B"}, 2, MOVE_DOWN, 2, {"-------", "A", "B"}},  // the last entry stays selected
        {{"Allein"}, 0, MOVE_DOWN, 0, {"Allein"}},
        {{"Allein"}, 0, MOVE_UP, 0, {"Allein"}},
    };
    for (const auto& c : cases) {
        FreeAllUserMenus();
        SetUp();
        Entries(c.entries);
        EXPECT_EQ(c.selection, Move(c.line, c.key)) << *c.entries.begin() << " line " << c.line;
        EXPECT_EQ(c.after, Lines());
    }
    // The menus list uses the same steps, with no separators.
    EXPECT_EQ(0, LineAfterMove(0, 3, MOVE_UP));
    EXPECT_EQ(0, LineAfterMove(1, 3, MOVE_UP));
    EXPECT_EQ(2, LineAfterMove(2, 3, MOVE_DOWN));
    EXPECT_EQ(2, LineAfterMove(1, 3, MOVE_DOWN));
}

TEST_F(MenuEditing, DeletingSelectsAsTheUserExpects)
{
    Entries({"A", "|B", "|C", "D"});  // lines A, -------, B, -------, C, D
    // One after the other: the entry, its line, whether that is its separator
    // line, then the lines removed (first, count), the selection and the list.
    const struct {
        const char* entry;
        int line, separatorLine, first, count, selection;
        LineList after;
    } steps[] = {
        {"B", 1, 1, 1, 1, 0, {"A", "B", "-------", "C", "D"}},  // only the separator; the line above
        {"B", 1, 0, 1, 1, 1, {"A", "-------", "C", "D"}},       // the following line moves up
        {"A", 0, 0, 0, 1, 0, {"-------", "C", "D"}},            // the first entry: items moves on
        {"C", 1, 0, 0, 2, -1, {"D"}},  // with its separator: both lines, nothing above
    };
    for (const auto& s : steps) {
        LineDeletion d = DeleteMenuEntry(menu, Entry(s.entry), s.line, s.separatorLine);
        EXPECT_EQ(s.first, d.first) << s.entry << " line " << s.line;
        EXPECT_EQ(s.count, d.count) << s.entry << " line " << s.line;
        EXPECT_EQ(s.selection, d.selection) << s.entry << " line " << s.line;
        EXPECT_EQ(s.after, Lines());
    }
    EXPECT_EQ(1, menu->itemCount);
}

TEST(WorkingDirectory, DriveAndFolderWithoutTheTrailingSeparator)
{
    const struct { const char *path, *directory; } cases[] = {
        {"C:\\TOOLS\\EDIT.EXE", "C:\\TOOLS"},
        {"C:\\WINDOWS\\notepad.EXE", "C:\\WINDOWS"},
        {"C:\\GAME.EXE", "C:"},
        {"EDIT.EXE", ""},
        {"", ""},
        {"D:/spiele/sub/x.exe", "D:/spiele/sub"},
        {"\\\\server\\share\\tool.exe", "\\\\server\\share"},
        {"C:EDIT.EXE", "C:"},  // a drive's current folder: the drive stays whole
    };
    for (const auto& c : cases) {
        char directory[128] = "old";
        DeriveWorkingDirectory(c.path, directory, sizeof directory);
        EXPECT_STREQ(c.directory, directory) << c.path;
    }
}

TEST(DroppedFileName, NamingRule)
{
    const struct { const char *file, *path, *name; } cases[] = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\notepad.EXE", "Notepad"},
        {"C:\\TOOLS\\MAKEFILE", "C:\\TOOLS\\MAKEFILE", "MAKEFILE"},
        {"C:\\TOOLS\\readme", "C:\\TOOLS\\readme", "Readme"},
        {"C:\\HOME\\.PROFILE", "C:\\HOME\\.PROFILE", "Standardname"},
        {"C:\\A.B\\ARCHIV.TAR.GZ", "C:\\A.B\\archiv.tar.GZ", "Archiv.tar"},
        {"C:\\ORDNER.ALT\\PROGRAMM", "C:\\ORDNER.ALT\\PROGRAMM", "PROGRAMM"},
        {"Z:\\\xC4RGER.EXE", "Z:\\\xC4rger.EXE", "\xC4rger"},  // only ASCII letters change case
        {"Z:\\tmp\\lang_ein_sehr_langer_Dateiname_XYZ.EXE", "Z:\\tmp\\lang_ein_sehr_langer_dateiname_xyz.EXE",
         "Lang_ein_sehr_langer_dateinam"},
    };
    for (const auto& c : cases) {
        char path[128];
        CopyText(path, c.file);
        char name[30];
        NameDroppedFile(path, name, sizeof name);
        EXPECT_STREQ(c.path, path) << c.file;
        EXPECT_STREQ(c.name, name) << c.file;
    }
}

TEST_F(MenuEditing, DropLineAndTargetMenu)
{
    UserMenu* second = CreateUserMenu();
    AppendUserMenu(second);
    EXPECT_EQ(0, DropTargetLine(12, 13, 0));
    EXPECT_EQ(1, DropTargetLine(13, 13, 0));
    EXPECT_EQ(3, DropTargetLine(13, 13, 2)) << "scrolled by two lines";
    EXPECT_EQ(-1, DropTargetLine(5, 0, 0)) << "an empty list has no line height";
    EXPECT_EQ(menu, MenuAtLine(0));
    EXPECT_EQ(second, MenuAtLine(1));
    EXPECT_EQ(nullptr, MenuAtLine(2)) << "below the last menu";
    EXPECT_EQ(nullptr, MenuAtLine(-1));
    FreeAllUserMenus();
    EXPECT_EQ(nullptr, MenuAtLine(0)) << "no menus";
}

TEST_F(MenuEditing, DroppedFilesComeInReverseOrderAndLongPathsStayOut)
{
    Entries({"Alt"});
    std::string deep = "C:\\" + std::string(116, 'o') + "\\LANG.EXE";  // 128 characters
    ASSERT_EQ(128u, deep.size());
    std::vector<std::string> files = {"C:\\WINDOWS\\NOTEPAD.EXE", deep, "C:\\TOOLS\\MAKEFILE", "C:\\GAME.EXE"};
    EXPECT_EQ(3, AddDroppedFiles(menu, files));
    EXPECT_EQ((LineList{"Alt", "Game", "MAKEFILE", "Notepad"}), Lines());
    EXPECT_EQ(std::vector<std::string>{"Der Pfad ist zu lang, die Datei wird nicht aufgenommen:\n" + deep}, Texts());

    const ProgramItem* game = Entry("Game");
    EXPECT_EQ("C:\\game.EXE|C:||5|0", std::string(game->path) + "|" + game->workingDirectory + "|" +
                                         game->parameters + "|" + std::to_string(game->showCommand) + "|" +
                                         std::to_string(game->separatorBefore));
    EXPECT_STREQ("C:\\TOOLS", Entry("MAKEFILE")->workingDirectory);
    EXPECT_STREQ("C:\\WINDOWS\\notepad.EXE", Entry("Notepad")->path);

    // 127 characters still fit the path field.
    std::string fits = "C:\\" + std::string(118, 'p') + "\\A.EXE";
    ASSERT_EQ(127u, fits.size());
    EXPECT_EQ(1, AddDroppedFiles(menu, {fits}));
    EXPECT_TRUE(Texts().empty());
}

TEST_F(MenuEditing, NoHundredthEntry)
{
    for (int i = 0; i < 98; ++i) Entries({"x"});
    EXPECT_TRUE(MenuHasRoom(menu));
    EXPECT_EQ(1, AddDroppedFiles(menu, {"C:\\A.EXE", "C:\\B.EXE", "C:\\C.EXE"}));
    EXPECT_EQ(99, menu->itemCount);
    EXPECT_STREQ("C", Lines().back().c_str()) << "the last file dropped comes first";
    EXPECT_EQ(std::vector<std::string>{"Ein Menü kann höchstens 99 Einträge aufnehmen."}, Texts());
    EXPECT_FALSE(MenuHasRoom(menu));
    EXPECT_EQ(0, AddDroppedFiles(menu, {"C:\\D.EXE"}));
    EXPECT_EQ(1u, Texts().size());
    EXPECT_EQ(99, menu->itemCount);
}
