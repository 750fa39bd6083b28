#include "platform/gamma.h"

#include <windows.h>

bool SetScreenGammaRamp(const GammaRamp& ramp) {
    HDC screen = GetDC(nullptr);
    if (!screen)
        return false;
    GammaRamp copy = ramp; // the API takes a non-const pointer
    const bool applied = SetDeviceGammaRamp(screen, copy.data()) != FALSE;
    ReleaseDC(nullptr, screen);
    return applied;
}
