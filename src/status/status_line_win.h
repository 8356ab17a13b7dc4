// status_line_win.h: the status text at the right end of the bar's menu line,
// and the hourly chime.
#pragma once
#include <windows.h>

#include <cstdint>

// UpdateStatusLine: composes the status text anew, paints it over the menu
// line of a bar in view and checks the hourly chime.
void UpdateStatusLine();

// TickStatusLine: the timer's refresh: as UpdateStatusLine, but a text that
// did not change is left as it stands.
void TickStatusLine();

// RepaintStatusText: the same text drawn again over a frame the system has
// just painted (which wipes it), without the chime.
void RepaintStatusText();

// StatusAfterSleep: the machine woke up: the status at once, and no chime
// for a full hour that passed while it slept.
void StatusAfterSleep();

// The status line's state: the chime of this hour has sounded.
extern bool chimePlayed;

// AvailableMemory: free physical memory. The old call stops at 2 GB for a
// 32-bit program; the systems that have more offer the new one.
uint64_t AvailableMemory();
