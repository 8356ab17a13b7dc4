// menu_bar_bench_win: BuildMenuBar for 100 menus of 99 entries, against a
// plain CreateMenu/AppendMenuA loop that makes the same menus.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/text.h"
#include "menus/menu_bar_win.h"
#include "menus/menu_model.h"

namespace {

const int MENUS = 100, ENTRIES = 99, ROUNDS = 11;
MenuList menus;

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BuildModel()
{
    for (int m = 1; m <= MENUS; ++m) {
        UserMenu* menu = CreateUserMenu();
        FormatTextN(menu->name, sizeof menu->name, "&Menü %d", m);
        AppendUserMenu(menus, menu);
        for (int k = 1; k <= ENTRIES; ++k) {
            ProgramItem* item = CreateProgramItem();
            FormatTextN(item->name, sizeof item->name, "Programm &%d.%d", m, k);
            item->separatorBefore = k % 10 == 0;
            AppendProgramItem(menu, item);
        }
    }
}

// PlainLoop: the same menus straight from the model, without bindings.
HMENU PlainLoop(HWND window, HMENU previous)
{
    DestroyMenu(previous);
    HMENU bar = CreateMenu();
    SetMenu(window, bar);
    int m = 1;
    for (UserMenu* menu = menus.menuListHead; menu; menu = menu->next, ++m) {
        HMENU dropDown = CreateMenu();
        int k = 1;
        for (ProgramItem* item = menu->items; item; item = item->next, ++k) {
            if (item->separatorBefore) AppendMenuA(dropDown, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(dropDown, MF_STRING, 100 * m + k, item->name);
        }
        InsertMenuA(bar, m, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), menu->name);
    }
    DrawMenuBar(window);
    return bar;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace


int main()
{
    BuildModel();
    HWND bar = CreateWindowExA(0, "STATIC", "bench", WS_POPUP, 0, 0, 800, 40, nullptr, nullptr, nullptr, nullptr);
    // Each kind in a block of its own, so each destroys its own previous bar
    // while it is attached, as a rebuild does.
    std::vector<double> built, plain;
    for (int round = 0; round < ROUNDS; ++round) {
        double start = Now();
        // As the bar puts each build on its window.
        DestroyMenu(GetMenu(bar));
        SetMenu(bar, BuildMenuBar(menus).menu);
        DrawMenuBar(bar);
        built.push_back(Now() - start);
    }
    HMENU plainBar = GetMenu(bar);
    for (int round = 0; round < ROUNDS; ++round) {
        double start = Now();
        plainBar = PlainLoop(bar, plainBar);
        plain.push_back(Now() - start);
    }
    std::printf("menu bar of %d menus x %d entries (%d rounds, median):\n", MENUS, ENTRIES, ROUNDS);
    std::printf("  BuildMenuBar        %8.2f ms\n", Median(built));
    std::printf("  plain AppendMenuA   %8.2f ms\n", Median(plain));
    std::printf("  ratio               %8.2f\n", Median(built) / Median(plain));
    DestroyWindow(bar);
    FreeCommandBindings(menus);
    FreeAllUserMenus(menus);
    return 0;
}
