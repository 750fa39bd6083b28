#include "monitor/gamma_ramp.h"

#include <cmath>
#include <cstdlib>

namespace {
// These single-precision values take part in the arithmetic exactly as stored.
constexpr float kNegativeLevelFactor = 1.8f;
constexpr float kExponentDivisor = 1.9f;
constexpr float kNormalisingConstant = 256.01f;
constexpr int kExtraStepDivisor = 6;
constexpr int kExtraStepLimit = 7;
constexpr int kExtraStepFallback = 6;
constexpr int kEntryFactor = 255;

// Rounds halves to even, independent of the current floating-point rounding mode.
double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}
} // namespace

GammaParameters ComputeGammaParameters(int32_t level) {
    GammaParameters parameters;
    int32_t a;
    if (level > 0)
        a = level / 2;
    else
        a = static_cast<int32_t>(
            std::floor(static_cast<double>(level) * static_cast<double>(kNegativeLevelFactor)));

    int b = static_cast<int>(std::abs(RoundHalfEven(static_cast<double>(-a) / kExtraStepDivisor)));
    if (b > kExtraStepLimit)
        b = kExtraStepFallback;

    parameters.offset = a;
    parameters.span = 255 + b;
    parameters.exponent =
        static_cast<float>(static_cast<double>(-a) / 100.0 / static_cast<double>(kExponentDivisor) + 1.0);
    return parameters;
}

GammaRamp BuildGammaRamp(const GammaParameters& parameters) {
    GammaRamp ramp{};
    const double normalising = kNormalisingConstant;
    for (int i = 1; i <= 255; ++i) {
        float v = static_cast<float>(parameters.offset + (static_cast<double>(i) / 255.0) * parameters.span);
        if (v < 0)
            v = 0;
        if (v > 255)
            v = 255;
        const double curved =
            normalising * std::pow(static_cast<double>(v) / normalising, parameters.exponent);
        const auto w = static_cast<uint16_t>(RoundHalfEven(curved));
        const auto entry = static_cast<uint16_t>(kEntryFactor * w);
        ramp[i] = entry;
        ramp[256 + i] = entry;
        ramp[512 + i] = entry;
    }
    return ramp;
}
