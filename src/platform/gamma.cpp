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

bool SetDisplayGammaRamp(const wchar_t* gdiDeviceName, const GammaRamp& ramp) {
    // The driver names the display device, and the device name must then be null or that same name.
    // https://learn.microsoft.com/windows/win32/api/wingdi/nf-wingdi-createdcw
    HDC display = CreateDCW(gdiDeviceName, gdiDeviceName, nullptr, nullptr);
    if (!display)
        return false;
    GammaRamp copy = ramp;
    const bool applied = SetDeviceGammaRamp(display, copy.data()) != FALSE;
    DeleteDC(display);
    return applied;
}
