#include "shell/bar_geometry.h"

#include <cstring>

int32_t BarHeight(int32_t menuHeight) { return menuHeight + 10; }

int32_t InViewTop(int dockBottom, int32_t screenHeight, int32_t menuHeight)
{
    return dockBottom ? screenHeight - BarHeight(menuHeight) : 0;
}

int32_t HiddenTop(int dockBottom, int32_t screenHeight, int32_t menuHeight)
{
    return dockBottom ? screenHeight - 2 : -8 - menuHeight;
}

bool CursorBringsBarIn(int32_t cursorX, int32_t screenWidth) { return cursorX < screenWidth - screenWidth / 10; }

uint32_t SlideDuration(bool barShown) { return barShown ? 300 : 200; }

int32_t AnimationTop(int32_t startTop, int32_t target, uint32_t elapsed, uint32_t duration)
{
    int64_t travelled = static_cast<int64_t>(elapsed) * (static_cast<int64_t>(target) - startTop);
    return static_cast<int32_t>(startTop + travelled / static_cast<int64_t>(duration));
}

uint32_t AlignTimerDelay(int second, int millisecond)
{
    return static_cast<uint32_t>((10 - second % 10) * 1000 - millisecond);
}

StripRect StripAfterQuery(StripRect answered, int dockBottom, int32_t menuHeight, int32_t screenWidth)
{
    StripRect strip = answered;
    if (dockBottom) strip.top = strip.bottom - BarHeight(menuHeight);
    strip.bottom = strip.top + BarHeight(menuHeight);
    strip.right = screenWidth;
    return strip;
}

StripRect ReleasedStrip(int dockBottom, int32_t screenHeight)
{
    if (dockBottom) return StripRect{0, screenHeight, 0, screenHeight};
    return StripRect{0, 0, 0, 0};
}

bool SameStrip(StripRect a, StripRect b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsFullScreen(StripRect client, StripRect screen, const char* className, bool ours)
{
    static const char* const shellClasses[] = {"Progman", "WorkerW", "Shell_TrayWnd"};
    if (ours) return false;
    for (const char* shell : shellClasses)
        if (std::strcmp(className, shell) == 0) return false;
    return client.left <= screen.left && client.top <= screen.top && client.right >= screen.right &&
           client.bottom >= screen.bottom;
}
