// Sets the whole screen's gamma ramp.
#pragma once

#include "monitor/gamma_ramp.h"

// Returns false when the display refuses the ramp (then it keeps its previous one).
bool SetScreenGammaRamp(const GammaRamp& ramp);
