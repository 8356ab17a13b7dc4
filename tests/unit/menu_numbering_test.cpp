// Numbering of the menu entries and the binding list built from the model.
// Leaked bindings of a rebuild show up in LeakSanitizer's report at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/menu_model.h"
#include "menus/menu_numbering.h"
#include "model_builders.h"
#include "shell/text.h"

using namespace builders;

namespace {

class MenuNumbering : public ::testing::Test {
protected:
    void TearDown() override
    {
        FreeCommandBindings();
        FreeAllUserMenus();
    }

    // The binding list as "id:name" in list order.
    static std::string Bindings()
    {
        std::string out;
        for (CommandBinding* binding = bindingListHead; binding; binding = binding->next)
            out += (out.empty() ? "" : " ") + std::to_string(binding->id) + ":" + binding->item->name;
        return out;
    }
};

TEST_F(MenuNumbering, EntriesAreBoundInBarOrderAndSeparatorsTakeNoPosition)
{
    UserMenu* apps = AddMenu("&Apps");
    ProgramItem* editor = AddEntry(apps, "Editor");
    ProgramItem* calc = AddEntry(apps, "Rechner", 1);
    UserMenu* games = AddMenu("&Games");
    ProgramItem* mines = AddEntry(games, "Minen", 1);
    ProgramItem* cards = AddEntry(games, "Karten");

    ASSERT_EQ(1, BindMenuEntries());
    EXPECT_EQ("101:Editor 102:Rechner 201:Minen 202:Karten", Bindings());
    EXPECT_EQ(editor, FindProgramForCommand(101));
    EXPECT_EQ(calc, FindProgramForCommand(102));
    EXPECT_EQ(mines, FindProgramForCommand(201));
    EXPECT_EQ(cards, FindProgramForCommand(202));
    for (int32_t unbound : {0, 100, 103, 200, 203, 301, 40001})
        EXPECT_EQ(nullptr, FindProgramForCommand(unbound)) << unbound;
}

TEST_F(MenuNumbering, RebindingReplacesTheWholeList)
{
    UserMenu* apps = AddMenu("&Apps");
    AddEntry(apps, "A");
    AddEntry(apps, "B");
    ASSERT_EQ(1, BindMenuEntries());
    ASSERT_EQ(1, BindMenuEntries());
    EXPECT_EQ("101:A 102:B", Bindings());

    // The bindings follow the model as it is now, nothing of before stays.
    while (ProgramItem* first = apps->items) {
        apps->items = first->next;
        FreeProgramItem(first);
    }
    apps->itemCount = 0;
    UserMenu* tools = AddMenu("Tools");
    ProgramItem* c = AddEntry(tools, "C");
    ASSERT_EQ(1, BindMenuEntries());
    EXPECT_EQ("201:C", Bindings());
    EXPECT_EQ(c, FindProgramForCommand(201));
    EXPECT_EQ(nullptr, FindProgramForCommand(101));

    FreeAllUserMenus();
    ASSERT_EQ(1, BindMenuEntries());
    EXPECT_EQ(nullptr, bindingListHead);
    EXPECT_EQ(nullptr, FindProgramForCommand(201));
}

TEST_F(MenuNumbering, HundredthEntryRunsIntoTheNextMenusRangeAndTheFirstWins)
{
    UserMenu* big = AddMenu("Viele");
    std::vector<ProgramItem*> entries;
    for (int i = 1; i <= 101; ++i) entries.push_back(AddEntry(big, ("E" + std::to_string(i)).c_str()));
    UserMenu* next = AddMenu("Danach");
    ProgramItem* nextFirst = AddEntry(next, "N1");

    ASSERT_EQ(1, BindMenuEntries());
    EXPECT_EQ(entries[98], FindProgramForCommand(199));
    EXPECT_EQ(entries[99], FindProgramForCommand(200));
    EXPECT_EQ(entries[100], FindProgramForCommand(201)) << "the first binding in bar order";
    int count = 0;
    CommandBinding* last = nullptr;
    for (CommandBinding* binding = bindingListHead; binding; binding = binding->next, ++count) last = binding;
    EXPECT_EQ(102, count);
    EXPECT_EQ(201, last->id);
    EXPECT_EQ(nextFirst, last->item);
}

}  // namespace
