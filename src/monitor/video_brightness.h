// Video brightness: a display's gamma ramp, computed from one level −50..50.
#pragma once

#include <cstdint>

struct DisplayControl;

// The primary display's ramp goes to the whole screen as it always did; any other display's to its own.
void SetVideoBrightness(DisplayControl& display, int32_t level);
// Gives the display the ramp of its last level again (Windows resets ramps when displays change).
void ApplyGammaRamp(const DisplayControl& display);
