// Which displays are built-in panels (WMI's WmiMonitorBrightness instance matched by device instance), and
// the window timers that send their levels and ask WMI again. COM and WMI are started only on a system
// that may have such a panel.
#pragma once

#include <windows.h>

constexpr UINT_PTR IDT_PANEL_FIND = 1052;

// Asks WMI for the panels (at start, and at each re-find after a display change, a resume or an unlock)
// and gives each display its panel record or takes it away. WMI that says "try later" keeps the records as
// they are and is asked again on the window's timer, a bounded number of times, silently. Only the records
// change here: the caller enables and reads the sliders.
void FindDisplayPanels(HWND window);

// The window's timers of the panels; false for any other timer.
bool HandlePanelTimer(HWND window, WPARAM id);

// Every panel's level still waiting to be sent goes at once, before the program ends (its settle timer
// would not come).
void SendPanelLevelsNow(HWND window);

// Reads every panel's level into its brightness slider: Windows' own keys and slider change it too.
void ReadPanelsIntoSliders();

// The tips over the panels' contrast sliders follow the sliders' places after a new layout.
void RefreshPanelTips();
