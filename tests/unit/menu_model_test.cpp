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

TEST_F(MenuModelTest, UnlinkFirstMiddleLastAndOnly)
{
    // Middle, first, last, only; an entry's steps do the caller's part on items first.
    const struct {
        int node;
        const char* after;
        int itemsBefore = -2;  // -2: leave items, -1: no entries left
    } menuSteps[] = {{1, "A C D"}, {0, "C D"}, {3, "C"}, {2, ""}},
      entrySteps[] = {{2, "a b d"}, {0, "b d", 1}, {3, "b"}, {1, "", -1}};
    auto m = MakeMenus({"A", "B", "C", "D"});
    for (const auto& s : menuSteps) {
        UnlinkUserMenu(m[s.node]);
        EXPECT_EQ(Names(menuListHead), s.after);
    }
    EXPECT_EQ(menuListHead, nullptr);
    for (UserMenu* menu : m) {
        menu->next = menu->prev = nullptr;
        FreeUserMenu(menu);
    }
    // A menu that never got into the list leaves the list alone.
    UserMenu* menu = MakeMenus({"M"})[0];
    FreeUserMenu(CreateUserMenu());
    EXPECT_EQ(Names(menuListHead), "M");

    auto e = MakeItems(menu, {"a", "b", "c", "d"});
    EXPECT_EQ(menu->itemCount, 4);
    for (const auto& s : entrySteps) {
        if (s.itemsBefore != -2) menu->items = s.itemsBefore < 0 ? nullptr : e[s.itemsBefore];
        UnlinkProgramItem(e[s.node]);
        EXPECT_EQ(Names(menu->items), s.after);
    }
    menu->itemCount = 0;
    for (ProgramItem* item : e) {
        item->next = item->prev = nullptr;
        FreeProgramItem(item);
    }
}

TEST_F(MenuModelTest, MovesAtTheEndsAndInTheMiddle)
{
    // One after the other: which node, the key, the answer, the list then.
    // The entries' steps do the caller's part first: items names the entry
    // that will be first after the move.
    const struct {
        int node, key, moved;
        const char* after;
        int itemsBefore = -1;
    } menuSteps[] = {
        {0, MOVE_UP, 0, "A B C D"},   {3, MOVE_DOWN, 0, "A B C D"}, {1, 37, 0, "A B C D"},
        {1, MOVE_UP, 1, "B A C D"},   {1, MOVE_DOWN, 1, "A B C D"}, {2, MOVE_UP, 1, "A C B D"},
        {2, MOVE_DOWN, 1, "A B C D"}, {2, MOVE_DOWN, 1, "A B D C"},
    },
      entrySteps[] = {
          {0, MOVE_DOWN, 1, "b a c", 1}, {0, MOVE_UP, 1, "a b c", 0}, {2, MOVE_DOWN, 0, "a b c"},
          {0, MOVE_UP, 0, "a b c"},      {1, MOVE_DOWN, 1, "a c b"},  {1, MOVE_UP, 1, "a b c"},
      };
    auto m = MakeMenus({"A", "B", "C", "D"});
    EXPECT_EQ(MoveUserMenu(nullptr, MOVE_UP), 0);
    for (const auto& s : menuSteps) {
        EXPECT_EQ(MoveUserMenu(m[s.node], s.key), s.moved) << s.after;
        EXPECT_EQ(Names(menuListHead), s.after);
    }
    EXPECT_EQ(m[2]->next, nullptr);

    UserMenu* menu = m[0];
    auto e = MakeItems(menu, {"a", "b", "c"});
    for (const auto& s : entrySteps) {
        if (s.itemsBefore >= 0) menu->items = e[s.itemsBefore];
        EXPECT_EQ(MoveProgramItem(e[s.node], s.key), s.moved) << s.after;
        EXPECT_EQ(Names(menu->items), s.after);
    }
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
