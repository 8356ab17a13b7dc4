#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/menu_model.h"
#include "native_platform.h"
#include "shell/text.h"

namespace {

class MenuModelTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FreeAllUserMenus();
        FreeCommandBindings();
        TakeRecordedBoxes();
    }

    std::vector<UserMenu*> MakeMenus(std::initializer_list<const char*> names)
    {
        std::vector<UserMenu*> made;
        for (const char* name : names) {
            made.push_back(CreateUserMenu());
            CopyText(made.back()->name, name);
            AppendUserMenu(made.back());
        }
        return made;
    }

    std::vector<ProgramItem*> MakeItems(UserMenu* menu, std::initializer_list<const char*> names)
    {
        std::vector<ProgramItem*> made;
        for (const char* name : names) {
            made.push_back(CreateProgramItem());
            CopyText(made.back()->name, name);
            AppendProgramItem(menu, made.back());
        }
        return made;
    }
};

// Names along next, after checking every prev link against it.
template <class Node>
std::string Names(Node* first)
{
    std::string names;
    Node* before = nullptr;
    for (Node* node = first; node; before = node, node = node->next) {
        EXPECT_EQ(node->prev, before) << node->name;
        names += std::string(names.empty() ? "" : " ") + node->name;
    }
    return names;
}

TEST_F(MenuModelTest, UnlinkMendsNeighboursAndHead)
{
    auto m = MakeMenus({"A", "B", "C", "D"});
    UnlinkUserMenu(m[1]);
    EXPECT_EQ(Names(menuListHead), "A C D");
    UnlinkUserMenu(m[0]);
    EXPECT_EQ(Names(menuListHead), "C D");
    UnlinkUserMenu(m[3]);
    EXPECT_EQ(Names(menuListHead), "C");
    UnlinkUserMenu(m[2]);
    EXPECT_EQ(menuListHead, nullptr);
    for (UserMenu* menu : m) {
        menu->next = menu->prev = nullptr;
        FreeUserMenu(menu);
    }

    // A menu that never got into the list leaves the list alone.
    MakeMenus({"X"});
    UserMenu* loose = CreateUserMenu();
    FreeUserMenu(loose);
    EXPECT_EQ(Names(menuListHead), "X");
}

TEST_F(MenuModelTest, UnlinkEntryWithTheCallersItemsStep)
{
    UserMenu* menu = MakeMenus({"M"})[0];
    auto e = MakeItems(menu, {"a", "b", "c", "d"});
    EXPECT_EQ(menu->itemCount, 4);
    UnlinkProgramItem(e[2]);
    EXPECT_EQ(Names(menu->items), "a b d");
    menu->items = e[0]->next;
    UnlinkProgramItem(e[0]);
    EXPECT_EQ(Names(menu->items), "b d");
    UnlinkProgramItem(e[3]);
    EXPECT_EQ(Names(menu->items), "b");
    menu->items = nullptr;
    UnlinkProgramItem(e[1]);
    menu->itemCount = 0;
    for (ProgramItem* item : e) {
        item->next = item->prev = nullptr;
        FreeProgramItem(item);
    }
}

TEST_F(MenuModelTest, MoveMenuAtTheEndsAndInTheMiddle)
{
    auto m = MakeMenus({"A", "B", "C", "D"});
    EXPECT_EQ(MoveUserMenu(m[0], MOVE_UP), 0);
    EXPECT_EQ(MoveUserMenu(m[3], MOVE_DOWN), 0);
    EXPECT_EQ(MoveUserMenu(nullptr, MOVE_UP), 0);
    EXPECT_EQ(MoveUserMenu(m[1], 37), 0);
    EXPECT_EQ(Names(menuListHead), "A B C D");
    EXPECT_EQ(MoveUserMenu(m[1], MOVE_UP), 1);
    EXPECT_EQ(Names(menuListHead), "B A C D");
    EXPECT_EQ(MoveUserMenu(m[1], MOVE_DOWN), 1);
    EXPECT_EQ(Names(menuListHead), "A B C D");
    EXPECT_EQ(MoveUserMenu(m[2], MOVE_UP), 1);
    EXPECT_EQ(Names(menuListHead), "A C B D");
    EXPECT_EQ(MoveUserMenu(m[2], MOVE_DOWN), 1);
    EXPECT_EQ(MoveUserMenu(m[2], MOVE_DOWN), 1);
    EXPECT_EQ(Names(menuListHead), "A B D C");
    EXPECT_EQ(m[2]->next, nullptr);
}

TEST_F(MenuModelTest, MoveEntryWithTheCallersItemsStep)
{
    UserMenu* menu = MakeMenus({"M"})[0];
    auto e = MakeItems(menu, {"a", "b", "c"});
    // First entry down: the move itself leaves the menu alone.
    menu->items = e[0]->next;
    EXPECT_EQ(MoveProgramItem(e[0], MOVE_DOWN), 1);
    EXPECT_EQ(Names(menu->items), "b a c");
    // Second entry up.
    menu->items = e[0];
    EXPECT_EQ(MoveProgramItem(e[0], MOVE_UP), 1);
    EXPECT_EQ(Names(menu->items), "a b c");
    EXPECT_EQ(MoveProgramItem(e[2], MOVE_DOWN), 0);
    EXPECT_EQ(MoveProgramItem(e[0], MOVE_UP), 0);
    EXPECT_EQ(MoveProgramItem(e[1], MOVE_DOWN), 1);
    EXPECT_EQ(Names(menu->items), "a c b");
    EXPECT_EQ(MoveProgramItem(e[1], MOVE_UP), 1);
    EXPECT_EQ(Names(menu->items), "a b c");
    EXPECT_EQ(menu->itemCount, 3);
}

TEST_F(MenuModelTest, FindByNameTakesTheFirstMatchOrWarns)
{
    auto m = MakeMenus({"&Apps", "&Games", "&Apps"});
    auto e = MakeItems(m[1], {"-------", "&Sol", "&Sol"});
    EXPECT_EQ(FindUserMenu("&Apps"), m[0]);
    EXPECT_EQ(FindProgramItem(m[1]->items, "&Sol"), e[1]);
    EXPECT_EQ(FindProgramItem(e[2], "&Sol"), e[2]);
    EXPECT_TRUE(TakeRecordedBoxes().empty());

    EXPECT_EQ(FindProgramItem(m[1]->items, "-------"), nullptr);
    EXPECT_TRUE(TakeRecordedBoxes().empty());

    EXPECT_EQ(FindUserMenu("&apps"), nullptr);
    EXPECT_EQ(FindUserMenu(std::string(40, 'A').c_str()), nullptr);
    EXPECT_EQ(FindProgramItem(m[0]->items, "&Sol"), nullptr);
    auto boxes = TakeRecordedBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Das Menü konnte nicht gefunden werden!");
    EXPECT_EQ(boxes[1].text, boxes[0].text);
    EXPECT_EQ(boxes[2].text, "Das Programm konnte nicht gefunden werden!");
    EXPECT_FALSE(boxes[0].fatal || boxes[2].fatal);
}

TEST_F(MenuModelTest, FreeingKeepsTheListWhole)
{
    FreeAllUserMenus();
    auto m = MakeMenus({"A", "B", "C"});
    auto e = MakeItems(m[1], {"a", "b"});
    MakeItems(m[2], {"c"});
    FreeProgramItem(e[1]);
    EXPECT_EQ(Names(m[1]->items), "a");
    FreeUserMenu(m[1]);
    EXPECT_EQ(Names(menuListHead), "A C");
    FreeUserMenu(m[0]);
    EXPECT_EQ(Names(menuListHead), "C");
    MakeMenus({"D"});
    FreeAllUserMenus();
    EXPECT_EQ(menuListHead, nullptr);
}

TEST_F(MenuModelTest, BindingsKeepTheirOrderUntilFreed)
{
    auto e = MakeItems(MakeMenus({"M"})[0], {"a", "b"});
    ASSERT_TRUE(AppendCommandBinding(101, e[0]) && AppendCommandBinding(102, e[1]));
    ASSERT_TRUE(bindingListHead && bindingListHead->next);
    EXPECT_EQ(bindingListHead->item, e[0]);
    EXPECT_EQ(bindingListHead->next->id, 102);
    EXPECT_EQ(bindingListHead->next->next, nullptr);
    FreeCommandBindings();
    EXPECT_EQ(bindingListHead, nullptr);
}

}  // namespace
