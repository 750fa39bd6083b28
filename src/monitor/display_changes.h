// Displays changing under the program: a monitor plugged or unplugged, a resolution change, a wake from
// sleep, a session unlocked or reconnected. Windows then drops the physical-monitor handles and resets the
// gamma ramp, so once the changes have settled the monitor is found again and the video level re-applied.
#pragma once

#include <windows.h>

constexpr UINT_PTR IDT_DISPLAY_SETTLE = 1046;
constexpr UINT kDisplaySettleMs = 2000; // after the last change: a re-plug or a wake sends several

// For a message that may mean the displays changed, (re)starts the settle timer on window and returns
// true; other messages return false.
bool NoteDisplayChange(HWND window, UINT message, WPARAM wParam);
// The settle timer's tick: releases the old handles, finds the primary display's first physical monitor
// again, enables and reads the monitor sliders by what answers, and applies the video level again.
void RefindMonitor(HWND window);
