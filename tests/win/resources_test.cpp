// The program's resources and window class, read back through the menu and
// class APIs.
#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "shell/bar_state_win.h"

namespace {
std::string ItemText(HMENU menu, UINT position)
{
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}
}  // namespace

TEST(Resources, PopupMenuHoldsTheFourCommandsInOrder)
{
    HMENU resource = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_POPUP));
    ASSERT_TRUE(resource);
    HMENU popup = GetSubMenu(resource, 0);
    ASSERT_TRUE(popup);
    ASSERT_EQ(5, GetMenuItemCount(popup));
    EXPECT_EQ("&Menüs ändern ...", ItemText(popup, 0));
    EXPECT_EQ(40004u, GetMenuItemID(popup, 0));
    EXPECT_EQ("&Optionen ...", ItemText(popup, 1));
    EXPECT_EQ(40001u, GetMenuItemID(popup, 1));
    EXPECT_TRUE(GetMenuState(popup, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ("Über &DeskRail ...", ItemText(popup, 3));
    EXPECT_EQ(40005u, GetMenuItemID(popup, 3));
    EXPECT_EQ("DeskRail &beenden", ItemText(popup, 4));
    EXPECT_EQ(40006u, GetMenuItemID(popup, 4));
    DestroyMenu(resource);
}

TEST(Resources, BarClassCarriesIconMenuAndMenuColouredBackground)
{
    appInstance = GetModuleHandleA(nullptr);
    for (int shell = 0; shell <= 1; ++shell) {
        newShell = shell;
        ASSERT_NE(0, RegisterBarClass());
        WNDCLASSA info = {};
        ASSERT_TRUE(GetClassInfoA(appInstance, "DRClass", &info));
        EXPECT_EQ(0u, info.style);
        EXPECT_TRUE(info.hIcon != nullptr);
        EXPECT_TRUE(info.hCursor == nullptr);
        EXPECT_EQ(shell ? reinterpret_cast<HBRUSH>(COLOR_MENU + 1) : nullptr, info.hbrBackground);
        EXPECT_EQ(MAKEINTRESOURCEA(IDM_POPUP), info.lpszMenuName);
        UnregisterClassA("DRClass", appInstance);
    }
}
