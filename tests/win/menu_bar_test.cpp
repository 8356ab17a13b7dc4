// The bar's menu bar built from the menu model, read back through the menu
// API on a real window of this process.
#include <gtest/gtest.h>

#include <string>

#include "menus/menu_bar_win.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"
#include "resources/resource.h"
#include "shell/bar_state_win.h"
#include "shell/text.h"

namespace {

const char TEST_CLASS[] = "DRMenuBarTest";

class MenuBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Like the bar's own class, this one gives its windows the popup
        // resource as their first menu bar.
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_POPUP);
        windowClass.lpszClassName = TEST_CLASS;
        RegisterClassA(&windowClass);
        barWindowHandle = CreateWindowExA(0, TEST_CLASS, "DeskRail test", WS_OVERLAPPEDWINDOW, 0, 0, 600, 80,
                                          nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(barWindowHandle);
    }

    void TearDown() override
    {
        DestroyWindow(barWindowHandle);  // takes its menu bar with it
        barWindowHandle = nullptr;
        menuBarHandle = nullptr;
        FreeCommandBindings();
        FreeAllUserMenus();
        UnregisterClassA(TEST_CLASS, GetModuleHandleA(nullptr));
    }

    UserMenu* AddMenu(const char* name)
    {
        UserMenu* menu = CreateUserMenu();
        CopyText(menu->name, name);
        AppendUserMenu(menu);
        return menu;
    }

    ProgramItem* AddEntry(UserMenu* menu, const char* name, int separator = 0)
    {
        ProgramItem* item = CreateProgramItem();
        CopyText(item->name, name);
        item->separatorBefore = separator;
        AppendProgramItem(menu, item);
        return item;
    }

    static std::string Text(HMENU menu, int position)
    {
        char text[64] = "";
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        return text;
    }

    // A drop-down menu as "text=id" items and "---" for separators.
    static std::string Describe(HMENU dropDown)
    {
        std::string out;
        int count = GetMenuItemCount(dropDown);
        for (int i = 0; i < count; ++i) {
            if (!out.empty()) out += " ";
            if (GetMenuState(dropDown, i, MF_BYPOSITION) & MF_SEPARATOR)
                out += "---";
            else
                out += Text(dropDown, i) + "=" + std::to_string(GetMenuItemID(dropDown, i));
        }
        return out;
    }

    static int BindingCount()
    {
        int count = 0;
        for (CommandBinding* binding = bindingListHead; binding; binding = binding->next) ++count;
        return count;
    }
};

}  // namespace

TEST_F(MenuBar, MenusItemsIdentifiersAndSeparatorsReadBack)
{
    UserMenu* apps = AddMenu("&Apps");
    ProgramItem* editor = AddEntry(apps, "&Editor");
    AddEntry(apps, "&Rechner", 1);
    UserMenu* games = AddMenu("&Games");
    AddEntry(games, "&Minesweeper", 1);
    ProgramItem* solitaire = AddEntry(games, "&Solitaire");
    AddMenu("Leer");

    BuildMenuBar();

    ASSERT_TRUE(menuBarHandle);
    EXPECT_EQ(menuBarHandle, GetMenu(barWindowHandle));
    ASSERT_EQ(3, GetMenuItemCount(menuBarHandle));
    EXPECT_EQ("&Apps", Text(menuBarHandle, 0));
    EXPECT_EQ("&Games", Text(menuBarHandle, 1));
    EXPECT_EQ("Leer", Text(menuBarHandle, 2));
    EXPECT_EQ("&Editor=101 --- &Rechner=102", Describe(GetSubMenu(menuBarHandle, 0)));
    EXPECT_EQ("--- &Minesweeper=201 &Solitaire=202", Describe(GetSubMenu(menuBarHandle, 1)));
    HMENU empty = GetSubMenu(menuBarHandle, 2);
    ASSERT_TRUE(empty) << "an empty menu still stands in the bar";
    EXPECT_EQ(0, GetMenuItemCount(empty));

    EXPECT_EQ(4, BindingCount());
    EXPECT_EQ(editor, FindProgramForCommand(101));
    EXPECT_EQ(solitaire, FindProgramForCommand(202));
}

TEST_F(MenuBar, EmptyFirstMenuShiftsNothing)
{
    AddMenu("Leer");
    UserMenu* second = AddMenu("Zwei");
    ProgramItem* first = AddEntry(second, "Eins");
    AddEntry(second, "Zwei");

    BuildMenuBar();

    ASSERT_EQ(2, GetMenuItemCount(menuBarHandle));
    EXPECT_EQ(0, GetMenuItemCount(GetSubMenu(menuBarHandle, 0)));
    EXPECT_EQ("Eins=201 Zwei=202", Describe(GetSubMenu(menuBarHandle, 1)));
    ASSERT_TRUE(bindingListHead);
    EXPECT_EQ(201, bindingListHead->id);
    EXPECT_EQ(first, bindingListHead->item);
}

TEST_F(MenuBar, RebuildLeavesOneMenuBarAndOneBindingList)
{
    HMENU classMenu = GetMenu(barWindowHandle);
    ASSERT_TRUE(classMenu) << "the window starts with its class's menu";
    UserMenu* apps = AddMenu("&Apps");
    AddEntry(apps, "A");
    AddEntry(apps, "B");
    UserMenu* games = AddMenu("&Games");
    AddEntry(games, "C");

    BuildMenuBar();
    HMENU firstBar = menuBarHandle;
    HMENU firstDropDowns[] = {GetSubMenu(firstBar, 0), GetSubMenu(firstBar, 1)};
    EXPECT_FALSE(IsMenu(classMenu)) << "the class's menu is freed once it is replaced";

    BuildMenuBar();
    EXPECT_FALSE(IsMenu(firstBar));
    EXPECT_FALSE(IsMenu(firstDropDowns[0]));
    EXPECT_FALSE(IsMenu(firstDropDowns[1]));
    EXPECT_TRUE(IsMenu(menuBarHandle));
    EXPECT_EQ(menuBarHandle, GetMenu(barWindowHandle));
    EXPECT_EQ(2, GetMenuItemCount(menuBarHandle));
    EXPECT_EQ(3, BindingCount());

    // A changed model shows only after the next build, and then whole.
    AddEntry(games, "D", 1);
    EXPECT_EQ("C=201", Describe(GetSubMenu(menuBarHandle, 1)));
    BuildMenuBar();
    EXPECT_EQ("C=201 --- D=202", Describe(GetSubMenu(menuBarHandle, 1)));
    EXPECT_EQ(4, BindingCount());
}

TEST_F(MenuBar, EmptyModelGivesAnEmptyMenuBar)
{
    AddEntry(AddMenu("&Apps"), "A");
    BuildMenuBar();
    HMENU before = menuBarHandle;
    FreeAllUserMenus();

    BuildMenuBar();

    EXPECT_FALSE(IsMenu(before));
    ASSERT_TRUE(IsMenu(menuBarHandle));
    EXPECT_EQ(menuBarHandle, GetMenu(barWindowHandle));
    EXPECT_EQ(0, GetMenuItemCount(menuBarHandle));
    EXPECT_EQ(nullptr, bindingListHead);
    EXPECT_EQ(nullptr, FindProgramForCommand(101));
}
