// status_line_win.h: the status text at the right end of the bar's menu line,
// and the hourly chime.
#pragma once
#include <windows.h>

#include <cstdint>

struct UserVariables;

// What the status text needs of the bar and of the run, as they are now.
struct StatusScene {
    HWND bar;
    bool shown;      // in view, not at the hidden position
    bool newShell;   // menus have a font of their own
    bool onBattery;  // and the power status may be asked
    int32_t screenWidth;
    const UserVariables* options;
    const char* userName;
};

// DrawStatusText: composes the status text anew and paints it over the menu
// line of a bar in view.
void DrawStatusText(const StatusScene& scene);

// UpdateStatusLine: the timer's turn: a text that changed is drawn, one that did
// not is left as it stands; then the hourly chime.
void UpdateStatusLine(const StatusScene& scene);

// RepaintStatusText: the same text drawn again over a frame the system has
// just painted (which wipes it).
void RepaintStatusText(const StatusScene& scene);

// StatusAfterSleep: the machine woke up: the status at once, and no chime
// for a full hour that passed while it slept.
void StatusAfterSleep(const StatusScene& scene);

// AvailableMemory: free physical memory. The old call stops at 2 GB for a
// 32-bit program; the systems that have more offer the new one.
uint64_t AvailableMemory();
