// The video-brightness curve: one level −50..50 becomes a 256-entry gamma ramp shared by red, green and blue.
#pragma once

#include <array>
#include <cstdint>

struct GammaParameters {
    int32_t offset = 0; // a: added to every input level; negative darkens
    int32_t span = 255; // 255 + b, b the extra step 0..7
    float exponent = 1; // e: power applied to the normalised level
};

// Red, green and blue, 256 entries each, in the platform's gamma-ramp layout.
using GammaRamp = std::array<uint16_t, 3 * 256>;

GammaParameters ComputeGammaParameters(int32_t level);
GammaRamp BuildGammaRamp(const GammaParameters& parameters);
