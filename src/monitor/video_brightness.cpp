#include "monitor/video_brightness.h"

#include <windows.h>

#include <cwchar>

#include "platform/gamma.h"

GammaParameters gammaParameters;

void SetVideoBrightness(int32_t level) {
    gammaParameters = ComputeGammaParameters(level);
    // A trace for debuggers and tests: displays without gamma support leave no other trace of the change.
    wchar_t trace[48];
    std::swprintf(trace, 48, L"Glimra: video level %d\n", static_cast<int>(level));
    OutputDebugStringW(trace);
    ApplyGammaRamp();
}

void ApplyGammaRamp() {
    // A refused ramp is silent: the screen keeps its previous one.
    SetScreenGammaRamp(BuildGammaRamp(gammaParameters));
}
