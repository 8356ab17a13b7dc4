// docking_win.h: the bar window on the screen edge and its conversation with
// the shell's app-bar host.
#pragma once
#include <windows.h>

#include <cstdint>

int CreateBarWindow();
UINT_PTR RegisterWithShell();
void ReserveStrip();
// ReserveStripInPlace: as ReserveStrip, for a bar already moved to its edge.
void ReserveStripInPlace();
void ReleaseStrip();
UINT_PTR SetShellAutoHide(bool on);
UINT_PTR SetShellAutoHideAt(UINT edge, bool on);
// DockWithShell: registers the bar, then takes its edge's auto-hide place or
// reserves its strip.
void DockWithShell();
void UnregisterFromShell();
void MoveToEdge();
void ApplyAlwaysOnTop();
void SlideBar(bool hide);
void AnimateBar(int32_t target);
// FollowDisplayChange: the bar at its edge of the new screen, reserving its
// strip there or waiting at its hidden position.
void FollowDisplayChange();
// TaskbarRestarted: a new shell knows no app bars: register as at start-up.
void TaskbarRestarted();
// ChangeAutoHide, ChangeEdge: the Options dialog's requests; false when the
// shell refused.
bool ChangeAutoHide();
bool ChangeEdge();
