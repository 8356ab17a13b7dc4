// The bar's menu bar built from the menu model, read back through the menu
// API on a real window of this process.
#include <gtest/gtest.h>

#include <string>

#include "menus/menu_bar_win.h"
#include "model_builders.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"
#include "resources/resource.h"
#include "shell/bar_state_win.h"
#include "shell/text.h"

using namespace builders;

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
    AddMenu("Leer");  // an empty first menu shifts nothing
    UserMenu* apps = AddMenu("&Apps");
    ProgramItem* editor = AddEntry(apps, "&Editor");
    AddEntry(apps, "&Rechner", 1);
    UserMenu* games = AddMenu("&Games");
    AddEntry(games, "&Minesweeper", 1);
    ProgramItem* solitaire = AddEntry(games, "&Solitaire");

    BuildMenuBar();

    ASSERT_TRUE(menuBarHandle);
    EXPECT_EQ(menuBarHandle, GetMenu(barWindowHandle));
    ASSERT_EQ(3, GetMenuItemCount(menuBarHandle));
    EXPECT_EQ("Leer", Text(menuBarHandle, 0));
    EXPECT_EQ("&Apps", Text(menuBarHandle, 1));
    EXPECT_EQ("&Games", Text(menuBarHandle, 2));
    HMENU empty = GetSubMenu(menuBarHandle, 0);
    ASSERT_TRUE(empty) << "an empty menu still stands in the bar";
    EXPECT_EQ(0, GetMenuItemCount(empty));
    EXPECT_EQ("&Editor=201 --- &Rechner=202", Describe(GetSubMenu(menuBarHandle, 1)));
    EXPECT_EQ("--- &Minesweeper=301 &Solitaire=302", Describe(GetSubMenu(menuBarHandle, 2)));

    EXPECT_EQ(4, BindingCount());
    ASSERT_TRUE(bindingListHead);
    EXPECT_EQ(201, bindingListHead->id);
    EXPECT_EQ(editor, bindingListHead->item);
    EXPECT_EQ(editor, FindProgramForCommand(201));
    EXPECT_EQ(solitaire, FindProgramForCommand(302));
}

TEST_F(MenuBar, RebuildsLeaveOneMenuBarAndOneBindingListDownToAnEmptyModel)
{
    HMENU classMenu = GetMenu(barWindowHandle);
    ASSERT_TRUE(classMenu) << "the window starts with its class's menu";
    UserMenu* games = AddMenu("&Games");
    AddEntry(games, "A");
    AddEntry(games, "B");
    AddEntry(AddMenu("&Apps"), "C");

    BuildMenuBar();
    HMENU firstBar = menuBarHandle;
    HMENU firstDropDowns[] = {GetSubMenu(firstBar, 0), GetSubMenu(firstBar, 1)};
    EXPECT_FALSE(IsMenu(classMenu)) << "the class's menu is freed once it is replaced";

    // A changed model shows only after the next build, and then whole.
    AddEntry(games, "D", 1);
    EXPECT_EQ("A=101 B=102", Describe(GetSubMenu(menuBarHandle, 0)));
    BuildMenuBar();
    for (HMENU old : {firstBar, firstDropDowns[0], firstDropDowns[1]}) EXPECT_FALSE(IsMenu(old));
    EXPECT_EQ("A=101 B=102 --- D=103", Describe(GetSubMenu(menuBarHandle, 0)));
    EXPECT_EQ(2, GetMenuItemCount(menuBarHandle));
    EXPECT_EQ(4, BindingCount());

    // An empty model: an empty menu bar, no bindings.
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
