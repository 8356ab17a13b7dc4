// bar_geometry.h: where the bar stands, where it slides, and when.
// All values are screen pixels or milliseconds.
#pragma once
#include <cstdint>

struct StripRect {
    int32_t left, top, right, bottom;
};

// BarHeight: one menu line plus 10 pixels.
int32_t BarHeight(int32_t menuHeight);

// InViewTop: the top edge of the docked bar in view.
int32_t InViewTop(int dockBottom, int32_t screenHeight, int32_t menuHeight);

// HiddenTop: the top edge that leaves 2 pixels of the bar on the screen.
int32_t HiddenTop(int dockBottom, int32_t screenHeight, int32_t menuHeight);

// CursorBringsBarIn: the rightmost tenth of the screen does not bring it in.
bool CursorBringsBarIn(int32_t cursorX, int32_t screenWidth);

// SlideDuration: leaving the view takes 300 ms, coming in 200 ms.
uint32_t SlideDuration(bool barShown);

// AnimationTop: the top edge after elapsed of duration ms, truncating toward zero.
int32_t AnimationTop(int32_t startTop, int32_t target, uint32_t elapsed, uint32_t duration);

// AlignTimerDelay: ms from the given clock time to its next full 10 seconds (1..10000).
uint32_t AlignTimerDelay(int second, int millisecond);

// StripAfterQuery: the strip to reserve, from the rectangle the shell answered.
StripRect StripAfterQuery(StripRect answered, int dockBottom, int32_t menuHeight, int32_t screenWidth);

// ReleasedStrip: the empty rectangle that gives the reserved space back.
StripRect ReleasedStrip(int dockBottom, int32_t screenHeight);

// SameStrip: the two rectangles are one.
bool SameStrip(StripRect a, StripRect b);

// IsFullScreen: the active window is another program's film, game or
// presentation: its client area covers the whole screen. A maximised window
// keeps its caption and frame on the screen, so its client area does not;
// the desktop and the taskbar (by their class names) belong to the shell,
// and the bar's own windows (ours: its dialogs and boxes) never count.
bool IsFullScreen(StripRect client, StripRect screen, const char* className, bool ours);
