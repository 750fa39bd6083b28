// Displays changing under the program: a monitor plugged or unplugged, a resolution change, a wake from
// sleep, a session unlocked or reconnected. Windows then drops the physical-monitor handles and resets the
// gamma ramp, so once the changes have settled the monitor is found again and the video level re-applied.
#pragma once

#include <windows.h>

#include <vector>

constexpr UINT_PTR IDT_DISPLAY_SETTLE = 1046;
constexpr UINT kDisplaySettleMs = 2000; // after the last change: a re-plug or a wake sends several

// For a message that may mean the displays changed, (re)starts the settle timer on window and returns
// true; other messages return false.
bool NoteDisplayChange(HWND window, UINT message, WPARAM wParam);
// Told after a re-find which groups' sliders belong to no display any more: it destroys those, gives every
// display without sliders a group and lays the window out again.
using SliderGroupsProc = void (*)(std::vector<HWND>& surplusSliders);
// The settle timer's tick: releases the old handles, finds every display and its physical monitors again,
// lets groupsChanged fit the window's groups to them, enables and reads each display's monitor sliders by
// what answers, and applies each display's video level again.
void RefindMonitor(HWND window, SliderGroupsProc groupsChanged = nullptr);
