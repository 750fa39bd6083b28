// A stand-alone window that shows the main window's three sliders and two buttons exactly as the main
// window configures them, on the main window's own background, so the controls can be seen and tried.
// The monitor-contrast slider is disabled, as it is on a monitor without DDC/CI.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/main_window.h"
#include "controls/drawing.h"
#include "controls/main_window_controls.h"
#include "controls/trackbar.h"
#include "monitor/monitor_control.h"
#include "resources/resource_ids.h"

namespace {

constexpr wchar_t kGalleryClass[] = L"GlimraGallery";
constexpr wchar_t kTitle[] = L"Glimra V1.3";
constexpr int kLeft = 40;
constexpr int kTop = 40;
constexpr int kWidth = 294;
constexpr int kHeight = 398;
constexpr int kFirstSliderId = 2010;
constexpr int kLastSliderId = 2012;
constexpr int kResetButtonId = 3010;

struct Gallery {
    HFONT captionFont = nullptr;
    HFONT glyphFont = nullptr;
    HFONT titleFont = nullptr;
    MainWindowControls controls;
};
Gallery gallery;

// The program's own loader: a font from the RCDATA resources, added privately to the process.
bool AddResourceFont(const wchar_t* name) { return LoadResourceFont(name) != nullptr; }

HFONT MakeFont(int height, int escapement, const wchar_t* face) {
    return CreateFontW(height, 0, escapement, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, face);
}

void LoadFonts() {
    gallery.captionFont = MakeFont(16, 2700, L"Tahoma");
    // Before the resource fonts exist the controls still show, with letters for icons.
    gallery.glyphFont =
        MakeFont(22, 0, AddResourceFont(GLIMRA_WIDE(RES_GLYPH_FONT)) ? L"FONTGLIMRA1" : L"Tahoma");
    gallery.titleFont =
        MakeFont(24, 0, AddResourceFont(GLIMRA_WIDE(RES_TITLE_FONT)) ? L"PSEUDO BRK" : L"Tahoma");
}

std::wstring Caption(const wchar_t* label, const wchar_t* device) {
    std::wstring caption = std::wstring(label) + L": " + device;
    if (caption.size() > 63)
        caption.resize(63);
    return caption;
}

void CreateControls(HWND window) {
    wchar_t adapterName[128] = {};
    wchar_t monitorName[128] = {};
    GetDisplayNames(adapterName, monitorName);
    gallery.controls = CreateMainWindowControls(
        window, Caption(L"Яркость монитор", monitorName), Caption(L"Контраст монитор", monitorName),
        Caption(L"Яркость видео", adapterName), L"Сброс настроек", L"Меню", gallery.glyphFont);
    SendMessageW(gallery.controls.brightnessSlider, TBM_SETPOS, TRUE, 30);
    SendMessageW(gallery.controls.videoSlider, TBM_SETPOS, TRUE, 65);
    EnableWindow(gallery.controls.contrastSlider, FALSE);
    AddToolTip(window, nullptr, L"");
    AddToolTip(window, gallery.controls.resetButton, L"Сброс настроек яркости и контраста на заводские");
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    RECT band = client;
    band.bottom = 55;
    FillGradient(dc, band, RGB(43, 116, 165), RGB(41, 113, 160), kGradientVertical);
    band = client;
    band.top = 55;
    FillSolid(dc, band, RGB(255, 255, 255));
    band = client;
    band.top = 365;
    FillSolid(dc, band, RGB(220, 222, 224));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, gallery.titleFont);
    constexpr UINT kTitleFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
    RECT shadow{4, 14, 294, 48};
    SetTextColor(dc, RGB(60, 90, 110));
    DrawTextW(dc, kTitle, -1, &shadow, kTitleFormat);
    RECT title{0, 10, 294, 48};
    SetTextColor(dc, RGB(240, 242, 245));
    DrawTextW(dc, kTitle, -1, &title, kTitleFormat);
    SelectObject(dc, previous);
    band = client;
    band.top = 54;
    FrameSolid(dc, band, ColorShift(RGB(255, 255, 255), -44));
    EndPaint(window, &paint);
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const int id = static_cast<int>(header->idFrom);
        if (id >= kFirstSliderId && id <= kLastSliderId && header->code == static_cast<UINT>(NM_CUSTOMDRAW))
            return TrackBarCustomDraw(lParam);
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
            return 0;
        }
        if (LOWORD(wParam) == kResetButtonId && HIWORD(wParam) == BN_CLICKED)
            SendMessageW(gallery.controls.videoSlider, TBM_SETPOS, TRUE, 50);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    LoadFonts();
    SetTrackBarFont(gallery.captionFont);
    SetTrackBarGlyphFont(gallery.glyphFont);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = GalleryProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kGalleryClass;
    if (!RegisterClassExW(&windowClass))
        return 1;
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, kGalleryClass,
                                  kTitle, WS_POPUP | WS_CLIPCHILDREN, kLeft, kTop, kWidth, kHeight, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    SetFocus(gallery.controls.brightnessSlider);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(gallery.captionFont);
    DeleteObject(gallery.glyphFont); // the button class borrows it and never deletes it
    DeleteObject(gallery.titleFont);
    return 0;
}
