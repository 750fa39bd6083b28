#include "app/level_overlay.h"

#include <algorithm>
#include <vector>

#include "app/level_overlay_layout.h"
#include "controls/gdi_objects.h"
#include "platform/dpi.h"

namespace {

constexpr DWORD kOverlayExStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT | WS_EX_LAYERED;
constexpr wchar_t kOverlayTitle[] = L"Glimra level";
constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT kFadeTickMs = 40;
constexpr COLORREF kBackColour = RGB(32, 36, 40);
constexpr COLORREF kTrackColour = RGB(88, 92, 98);
constexpr COLORREF kFillColour = RGB(240, 242, 245);

struct Overlay {
    HMONITOR monitor = nullptr;
    HWND window = nullptr;
    ULONGLONG lastShown = 0;
    int dpi = 96;
    int percent = 0;
    std::wstring text;
};
std::vector<Overlay> overlays; // interface thread only

Overlay* Find(HWND window) {
    const auto found =
        std::find_if(overlays.begin(), overlays.end(), [&](const Overlay& o) { return o.window == window; });
    return found == overlays.end() ? nullptr : &*found;
}

LayoutRect WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

void Fill(HDC dc, const LayoutRect& rect, COLORREF colour) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (const Overlay* overlay = Find(window)) {
        const LevelOverlayLayout layout = LayOutLevelOverlay({0, 0, 0, 0}, overlay->dpi, overlay->percent);
        RECT client;
        GetClientRect(window, &client);
        Fill(dc, {client.left, client.top, client.right, client.bottom}, kBackColour);
        Fill(dc, layout.bar, kTrackColour);
        Fill(dc, layout.fill, kFillColour);
        UniqueFont font(CreateFontW(-layout.fontHeight, 0, 0, 0, FW_SEMIBOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    CLEARTYPE_QUALITY, 0, L"Tahoma"));
        const HGDIOBJ old = SelectObject(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kFillColour);
        RECT number{layout.number.left, layout.number.top, layout.number.right, layout.number.bottom};
        DrawTextW(dc, overlay->text.c_str(), -1, &number, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        SelectObject(dc, old);
    }
    EndPaint(window, &paint);
}

void Fade(HWND window) {
    Overlay* overlay = Find(window);
    const int alpha = overlay ? LevelOverlayAlpha(static_cast<int>(std::min<ULONGLONG>(
                                    GetTickCount64() - overlay->lastShown, kLevelOverlayGoneMs)))
                              : 0;
    if (alpha > 0) {
        SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
        return;
    }
    KillTimer(window, kFadeTimer);
    std::erase_if(overlays, [&](const Overlay& o) { return o.window == window; });
    DestroyWindow(window);
}

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks go to whatever lies beneath
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_TIMER:
        if (wParam == kFadeTimer)
            Fade(window);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RegisterOverlayClass(HINSTANCE instance) {
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = OverlayProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kLevelOverlayClass;
    registered = RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return registered;
}

} // namespace

void ShowLevelOverlay(HMONITOR monitor, int percent, const std::wstring& text) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterOverlayClass(instance))
        return; // the level is a courtesy: the sliders have moved all the same
    auto found = std::find_if(overlays.begin(), overlays.end(),
                              [&](const Overlay& o) { return o.monitor == monitor; });
    if (found == overlays.end()) {
        found = overlays.insert(overlays.end(), Overlay{monitor});
    }
    Overlay& overlay = *found;
    overlay.lastShown = GetTickCount64();
    overlay.dpi = MonitorDpi(monitor);
    overlay.percent = percent;
    overlay.text = text;
    const LayoutRect place = LayOutLevelOverlay(WorkAreaOf(monitor), overlay.dpi, percent).window;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    if (!overlay.window) {
        overlay.window =
            CreateWindowExW(kOverlayExStyle, kLevelOverlayClass, kOverlayTitle, WS_POPUP, place.left,
                            place.top, width, height, nullptr, nullptr, instance, nullptr);
        if (!overlay.window) {
            overlays.erase(found);
            return;
        }
    } else {
        SetWindowPos(overlay.window, HWND_TOPMOST, place.left, place.top, width, height, SWP_NOACTIVATE);
    }
    SetLayeredWindowAttributes(overlay.window, 0, 255, LWA_ALPHA);
    SetTimer(overlay.window, kFadeTimer, kFadeTickMs, nullptr);
    InvalidateRect(overlay.window, nullptr, FALSE);
    ShowWindow(overlay.window, SW_SHOWNOACTIVATE);
    UpdateWindow(overlay.window);
}
