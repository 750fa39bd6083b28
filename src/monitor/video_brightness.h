// Video brightness: the gamma ramp of the whole screen, computed from one level −50..50.
#pragma once

#include <cstdint>

#include "monitor/gamma_ramp.h"

extern GammaParameters gammaParameters;

void SetVideoBrightness(int32_t level);
void ApplyGammaRamp();
