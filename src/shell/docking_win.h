// docking_win.h: the bar window on the screen edge and its conversation with
// the shell's app-bar host.
#pragma once
#include <windows.h>

#include <cstdint>

// MenuHeight: the menu lines the titles need.
int32_t MenuHeight();
UINT_PTR RegisterWithShell();
// ReserveStrip: asks the shell for the edge's strip, sets it and puts the
// window where the shell set it. onlyWhenMoved: nothing when the strip is
// the one the window already covers.
void ReserveStrip(bool onlyWhenMoved);
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
// ChangeAutoHide, ChangeEdge: the bar hidden or not, at the bottom edge or
// the top, as the shell accepts it; the bar's options change with it. false
// when the shell refused: the bar and its options are as they were.
bool ChangeAutoHide(bool on);
bool ChangeEdge(bool bottom);
// ChangeAlwaysOnTop: the bar on top of other windows, or not.
void ChangeAlwaysOnTop(bool on);
// WatchForeground: starts or stops watching for another program's
// full-screen window, as "always on top" asks.
void WatchForeground();
// WatchForegroundAfresh: the same for a new window, which stands where its
// option puts it.
void WatchForegroundAfresh();
// CheckForeground: the bar behind another program's full-screen active
// window, or back in its own place.
void CheckForeground();
// FollowShell: another bar or the work area changed: a docked bar asks for
// its strip again and moves only when the shell answers another place.
void FollowShell();
// OnShellNotification: an ABN_ code of the bar's callback message.
void OnShellNotification(WPARAM code, LPARAM lParam);
