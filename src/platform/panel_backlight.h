// A built-in panel's backlight, which Windows offers through WMI (namespace root\wmi): WmiMonitorBrightness
// gives the allowed levels and the current one, WmiMonitorBrightnessMethods.WmiSetBrightness sets one.
// COM and WMI are only ever started on a worker thread of each call, in its own apartment, so neither the
// calling thread nor a program that never asks pays for them; ole32 and oleaut32 are loaded on first use.
// Each call waits at most kPanelAnswerWaitMs for its worker and drops a later answer.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/panel_instance.h"

// The longest a caller waits for WMI's answer.
constexpr DWORD kPanelAnswerWaitMs = 500;

// The active built-in panels. Done: at least one, in panels; NoPanel: none (no root\wmi, no instance);
// TryLater: WMI is not ready or slow, ask again (a system without a panel may answer "not supported" for
// good, so bound the retries); Failed: anything else. panels is left as it was unless Done.
PanelResult FindPanels(std::vector<PanelBacklight>& panels);

// Reads panel's current level (and its allowed levels) again. On Done panel is updated, else untouched.
PanelResult ReadPanelLevel(PanelBacklight& panel);

// Sets the allowed level nearest to wanted (0..100). On Done panel.currentLevel is the level set.
PanelResult SetPanelLevel(PanelBacklight& panel, int wanted);
