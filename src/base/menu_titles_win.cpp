#include "base/menu_titles_win.h"

#include "base/lazy_import_win.h"

namespace {
typedef BOOL(WINAPI* MenuItemRectFunction)(HWND window, HMENU menu, UINT item, LPRECT rect);
}  // namespace

bool MenuTitleRect(HWND window, int index, RECT& rect)
{
    static const auto menuItemRect = LazyImport<MenuItemRectFunction>("user32.dll", "GetMenuItemRect");
    HMENU menu = GetMenu(window);
    RECT frame;
    if (!menuItemRect || !menu || index < 0 || !menuItemRect(window, menu, static_cast<UINT>(index), &rect) ||
        !GetWindowRect(window, &frame))
        return false;
    rect.left -= frame.left;
    rect.right -= frame.left;
    rect.top -= frame.top;
    rect.bottom -= frame.top;
    return true;
}

int MenuTitleCount(HWND window)
{
    HMENU menu = GetMenu(window);
    return menu ? GetMenuItemCount(menu) : 0;
}
