// A display that is a built-in panel: its monitor brightness is the panel's backlight (WMI), its contrast
// does not exist. What one such display's sliders do; which displays are panels is decided elsewhere.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/panel_backlight.h"

// The send waits this long after the last change of the slider, as a monitor's delayed worker does, so a
// slider stepped by keys or dragged costs one WMI call.
constexpr UINT kPanelSettleMs = 480;
constexpr UINT_PTR IDT_PANEL_SEND = 1051;

struct DisplayPanel {
    PanelBacklight backlight;
    std::optional<uint8_t> pendingPercent; // waiting for the slider to settle, or to be sent again
    int sendAttempts = 0;                  // of the pending level, that WMI asked to make later
};

// The brightness slider enabled, the contrast slider disabled with the tip that says why.
void ShowPanelSliders(HWND brightnessSlider, HWND contrastSlider);
// The tip gone from a contrast slider that is no panel's any more (nothing when it had none).
void ForgetPanelTip(HWND contrastSlider);

// Notes percent (0..100) as the level to send once the slider settles, on the window's settle timer.
void RequestPanelLevel(DisplayPanel& panel, uint8_t percent, HWND window);

// Sends a level still waiting for the slider to settle at once, one call (which waits at most
// kPanelAnswerWaitMs): for the exit and the end of a session, which no settle timer outlives.
void SendPanelLevelNow(DisplayPanel& panel);

// Reads the panel's level into the slider. When WMI does not answer, a stored position (no-blocking mode
// gives one) is set as if the user had moved the slider; else the slider stays where it is.
void ReadPanelIntoSlider(DisplayPanel& panel, HWND slider, const int32_t* storedPosition);
