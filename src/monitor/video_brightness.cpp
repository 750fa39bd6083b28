#include "monitor/video_brightness.h"

#include <windows.h>

#include <cwchar>
#include <string>

#include "monitor/monitor_control.h"
#include "platform/gamma.h"
#include "platform/wide.h"

namespace {

// The primary display keeps the whole screen's ramp, as with a single display; so does a display not named.
bool ShownAsWholeScreen(const DisplayControl& display) {
    return display.identity.primary || display.identity.gdiDeviceName.empty();
}

} // namespace

void SetVideoBrightness(DisplayControl& display, int32_t level) {
    display.gamma = ComputeGammaParameters(level);
    // A trace for debuggers and tests: displays without gamma support leave no other trace of the change.
    wchar_t trace[96];
    if (ShownAsWholeScreen(display))
        std::swprintf(trace, 96, L"Glimra: video level %d\n", static_cast<int>(level));
    else
        std::swprintf(trace, 96, L"Glimra: video level %d on %ls\n", static_cast<int>(level),
                      ToWide(display.identity.gdiDeviceName).c_str());
    OutputDebugStringW(trace);
    ApplyGammaRamp(display);
}

void ApplyGammaRamp(const DisplayControl& display) {
    // A refused ramp is silent: the display keeps its previous one.
    const GammaRamp ramp = BuildGammaRamp(display.gamma);
    if (ShownAsWholeScreen(display))
        SetScreenGammaRamp(ramp);
    else
        SetDisplayGammaRamp(ToWide(display.identity.gdiDeviceName).c_str(), ramp);
}
