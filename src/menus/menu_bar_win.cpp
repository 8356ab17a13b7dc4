#include "menus/menu_bar_win.h"

#include "base/menu_titles_win.h"
#include "base/process_state_win.h"
#include "menus/menu_model.h"
#include "menus/menu_numbering.h"

HMENU menuBarHandle;
int menuBarRows = 1;

bool MeasureMenuBarRows()
{
    int rows = 1, titles = MenuTitleCount(barWindowHandle);
    RECT title, previous = {};
    // Titles fill the rows left to right, top to bottom: each step down starts one.
    for (int i = 0; i < titles && MenuTitleRect(barWindowHandle, i, title); ++i, previous = title)
        if (i > 0 && title.top > previous.top) ++rows;
    bool changed = rows != menuBarRows;
    menuBarRows = rows;
    return changed;
}

int BuildMenuBar()
{
    BindMenuEntries();

    // Before the first build the window carries the menu its class gave it;
    // SetMenu does not free a menu it replaces, so that one is freed here.
    HMENU classMenu = GetMenu(barWindowHandle);
    if (classMenu == menuBarHandle) classMenu = nullptr;

    DestroyMenu(menuBarHandle);
    menuBarHandle = CreateMenu();
    SetMenu(barWindowHandle, menuBarHandle);
    if (classMenu) DestroyMenu(classMenu);

    if (!menuListHead) {
        DrawMenuBar(barWindowHandle);
        MeasureMenuBarRows();
        return 0;
    }

    int32_t menuPosition = 1;
    for (UserMenu* menu = menuListHead; menu; menu = menu->next, ++menuPosition) {
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
        InsertMenuA(menuBarHandle, static_cast<UINT>(menuPosition), MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(dropDown), menu->name);
    }
    DrawMenuBar(barWindowHandle);
    MeasureMenuBarRows();
    return menuPosition - 1;
}
