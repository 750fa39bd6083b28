// Sets a display's gamma ramp.
#pragma once

#include "monitor/gamma_ramp.h"

// The whole screen's ramp (the screen's own device context, as for a single display). Returns false when
// the display refuses the ramp (then it keeps its previous one).
bool SetScreenGammaRamp(const GammaRamp& ramp);
// The ramp of one display, through a device context of its own GDI device name (\\.\DISPLAYn).
bool SetDisplayGammaRamp(const wchar_t* gdiDeviceName, const GammaRamp& ramp);
