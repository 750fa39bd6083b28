#include "platform/dpi.h"

#include "platform/dpi_scale.h"
#include "platform/system_library.h"

namespace {

constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

// Each function is looked up once (the callers keep it); the library stays loaded for the process.
template <typename Function> Function LookUp(const wchar_t* library, const char* name) {
    return LibraryFunction<Function>(LoadSystemLibrary(library), name);
}

} // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int MonitorDpi(HMONITOR monitor) {
    using Function = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto function = LookUp<Function>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (monitor && function && SUCCEEDED(function(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

int WindowDpi(HWND window) {
    using Function = UINT(WINAPI*)(HWND);
    static const auto function = LookUp<Function>(L"user32.dll", "GetDpiForWindow");
    if (window && function) {
        if (const UINT dpi = function(window))
            return static_cast<int>(dpi);
    }
    return window ? MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)) : SystemDpi();
}

int SmallIconSizeForDpi(int dpi) {
    using Function = int(WINAPI*)(int, UINT);
    static const auto function = LookUp<Function>(L"user32.dll", "GetSystemMetricsForDpi");
    if (function && dpi > 0) {
        if (const int size = function(SM_CXSMICON, static_cast<UINT>(dpi)); size > 0)
            return size;
    }
    return GetSystemMetrics(SM_CXSMICON);
}

int ScaleForWindow(int value, HWND window) {
    return ScaleForDpi(value, WindowDpi(window));
}

RECT FrameForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT frame = {0, 0, clientWidth, clientHeight};
    using Function = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto function = LookUp<Function>(L"user32.dll", "AdjustWindowRectExForDpi");
    // Frames are system metrics: at a monitor's own DPI only the per-DPI form gives their true size.
    if (!function || !function(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return frame;
}
