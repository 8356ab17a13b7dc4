#include "menus/menu_bar_win.h"

#include "base/menu_titles_win.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"

int MeasureMenuBarRows(HWND window)
{
    int rows = 1, titles = MenuTitleCount(window);
    RECT title, previous = {};
    // Titles fill the rows left to right, top to bottom: each step down starts one.
    for (int i = 0; i < titles && MenuTitleRect(window, i, title); ++i, previous = title)
        if (i > 0 && title.top > previous.top) ++rows;
    return rows;
}

MenuBarBuild BuildMenuBar(MenuList& menus)
{
    BindMenuEntries(menus);
    MenuBarBuild built = {CreateMenu(), 0};
    int32_t menuPosition = 1;
    for (UserMenu* menu = menus.menuListHead; menu; menu = menu->next, ++menuPosition) {
        HMENU dropDown = CreateMenu();
        int32_t entryPosition = 1;
        for (ProgramItem* item = menu->items; item; item = item->next, ++entryPosition) {
            if (item->separatorBefore) AppendMenuA(dropDown, MF_SEPARATOR, 0, nullptr);
            if (EntryHasCommand(menuPosition, entryPosition))
                AppendMenuA(dropDown, MF_STRING,
                            static_cast<UINT_PTR>(EntryCommandId(menuPosition, entryPosition)), item->name);
            else
                AppendMenuA(dropDown, MF_STRING | MF_GRAYED, 0, item->name);
        }
        InsertMenuA(built.menu, static_cast<UINT>(menuPosition), MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(dropDown), menu->name);
    }
    built.menuCount = menuPosition - 1;
    return built;
}
