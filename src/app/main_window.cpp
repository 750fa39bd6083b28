#include "app/main_window.h"

#include <commctrl.h>

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/brightness_key_input.h"
#include "app/notifications.h"
#include "app/shell_utilities.h"
#include "app/shutdown.h"
#include "app/tray.h"
#include "app/window_placement.h"
#include "controls/color_shift.h"
#include "controls/button.h"
#include "controls/drawing.h"
#include "controls/main_window_controls.h"
#include "controls/main_window_layout.h"
#include "controls/trackbar.h"
#include "i18n/language.h"
#include "i18n/text_cut.h"
#include "i18n/text_keys.h"
#include "i18n/text_table.h"
#include "monitor/channels.h"
#include "monitor/display_changes.h"
#include "monitor/monitor_control.h"
#include "monitor/monitor_startup.h"
#include "monitor/profiles.h"
#include "monitor/video_brightness.h"
#include "platform/dpi.h"
#include "platform/session_notifications.h"
#include "platform/wide.h"

namespace {

enum PaletteIndex { kBackground, kFrame, kHeaderTop, kHeaderBottom, kTitleShadow, kTitleText };
constexpr COLORREF kFooterColour = RGB(220, 222, 224);
constexpr UINT kDpiChangedMessage = 0x02E0; // WM_DPICHANGED
constexpr UINT kMainClassStyle = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
constexpr DWORD kMainExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr DWORD kMainStyle =
    0x84000A50; // WS_POPUP | WS_CLIPSIBLINGS; the low bits mean nothing to this class

HBRUSH backgroundBrush = nullptr;

void PaintMainWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const MainWindowLayout layout = LayoutMainWindow(appState.dpi);

    RECT band = client;
    band.bottom = layout.headerBottom;
    FillGradient(dc, band, appState.palette[kHeaderTop], appState.palette[kHeaderBottom], kGradientVertical);
    band = client;
    band.top = layout.headerBottom;
    band.bottom = layout.bodyBottom;
    FillSolid(dc, band, appState.palette[kBackground]);
    band = client;
    band.top = layout.footerTop;
    band.bottom = layout.footerBottom;
    FillSolid(dc, band, kFooterColour);

    SetBkMode(dc, TRANSPARENT);
    if (appState.fonts[1].font)
        SelectObject(dc, appState.fonts[1].font);
    constexpr UINT kTitleFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
    RECT shadow{layout.titleShadow.left, layout.titleShadow.top, layout.titleShadow.right,
                layout.titleShadow.bottom};
    SetTextColor(dc, appState.palette[kTitleShadow]);
    DrawTextW(dc, kProgramTitle, -1, &shadow, kTitleFormat);
    RECT title{layout.title.left, layout.title.top, layout.title.right, layout.title.bottom};
    SetTextColor(dc, appState.palette[kTitleText]);
    DrawTextW(dc, kProgramTitle, -1, &title, kTitleFormat);

    band = client;
    band.top = layout.frameTop;
    FrameSolid(dc, band, appState.palette[kFrame]);
    EndPaint(window, &paint);
}

bool LeftButtonDown() {
    return (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
}

void HandleSliderChange(HWND slider) {
    if (slider == appState.brightnessSlider) {
        if (!LeftButtonDown())
            SetMonitorBrightness(physicalMonitor.physicalMonitorHandle,
                                 MonitorValueFromPosition(GetSliderPosition(slider)));
    } else if (slider == appState.contrastSlider) {
        if (!LeftButtonDown())
            SetMonitorContrast(physicalMonitor.physicalMonitorHandle,
                               MonitorValueFromPosition(GetSliderPosition(slider)));
    } else if (slider == appState.videoSlider) {
        SetVideoBrightness(VideoLevelFromPosition(GetSliderPosition(slider)));
    }
}

void ResetMonitorSettings() {
    FactoryResetMonitor(physicalMonitor.physicalMonitorHandle);
    SetSliderPosition(appState.videoSlider, kSliderStart, WM_VSCROLL);
    ReadMonitorIntoSliders(nullptr);
}

void HandleMiddleButtonOnChild(HWND window, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &point);
    if (WindowFromPoint(point) == appState.videoSlider) {
        SetSliderPosition(appState.videoSlider, kSliderStart, WM_VSCROLL);
        RedrawWindow(appState.videoSlider, nullptr, nullptr, RDW_INVALIDATE);
    }
}

bool IsSliderId(int id) {
    return id >= IDC_MONITOR_BRIGHTNESS && id <= IDC_VIDEO_BRIGHTNESS;
}

HFONT CreatePixelFont(int height, int escapement, const wchar_t* face) {
    return CreateFontW(height, 0, escapement, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, face);
}

// The window is shown next to the notification area, so it is laid out for the monitor holding it.
HMONITOR TrayMonitor() {
    return TaskbarMonitor();
}

RECT WorkAreaOf(HMONITOR monitor) {
    RECT work{};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    // The primary monitor's work area is the system's; asked the same way as always.
    if (monitor != MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY) && GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

MainWindowControls Controls() {
    return {appState.brightnessSlider, appState.contrastSlider, appState.videoSlider, appState.resetButton,
            appState.menuButton};
}

// Fonts at the window's DPI, given to the slider and button classes; the ones they replace are deleted once
// nothing paints with them any more.
void CreateScaledFonts(const MainWindowLayout& layout) {
    HFONT oldCaption = appState.captionFont;
    HFONT oldGlyph = appState.fonts[0].font;
    HFONT oldTitle = appState.fonts[1].font;
    appState.captionFont = CreatePixelFont(layout.captionFontHeight, 2700, L"Tahoma");
    SetTrackBarFont(appState.captionFont);
    if (appState.fonts[0].memoryFont) {
        appState.fonts[0].font = CreatePixelFont(layout.glyphFontHeight, 0, L"FONTGLIMRA1");
        SetTrackBarGlyphFont(appState.fonts[0].font);
    }
    if (appState.fonts[1].memoryFont)
        appState.fonts[1].font = CreatePixelFont(layout.titleFontHeight, 0, L"PSEUDO BRK");
    for (HFONT font : {oldCaption, oldGlyph, oldTitle}) {
        if (font)
            DeleteObject(font);
    }
}

// Everything that has a pixel size is made again for dpi, and the window takes its new size, at place's
// top left when one is given (in the same move, so it never stands between two monitors at the wrong size).
void ApplyMainWindowDpi(HWND window, int dpi, const RECT* place = nullptr) {
    appState.dpi = dpi;
    const MainWindowLayout layout = LayoutMainWindow(dpi);
    // Before the controls exist (the window was just made) only the window's own size changes.
    if (appState.resetButton) {
        CreateScaledFonts(layout);
        HFONT textFont = CreateButtonTextFont(dpi);
        SetButtonClassFonts(textFont, appState.fonts[0].font);
        for (HWND button : {appState.resetButton, appState.menuButton})
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), FALSE);
        LayoutMainWindowControls(Controls(), dpi);
    }
    ScaleToolTip(dpi);
    SetWindowPos(window, nullptr, place ? place->left : 0, place ? place->top : 0, layout.width,
                 layout.height, SWP_NOZORDER | SWP_NOACTIVATE | (place ? 0 : SWP_NOMOVE));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void HandleDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    const int dpi = HIWORD(wParam);
    if (dpi == appState.dpi)
        return; // already laid out for it (placing the window re-lays it out first)
    // Windows suggests the old size scaled; the layout's own size for dpi differs by a pixel at most and
    // keeps the controls where the layout puts them.
    ApplyMainWindowDpi(window, dpi, reinterpret_cast<const RECT*>(lParam));
}

} // namespace

void InitPalette() {
    appState.palette[kBackground] = RGB(255, 255, 255);
    appState.palette[kFrame] = ColorShift(RGB(255, 255, 255), -44);
    appState.palette[kHeaderTop] = RGB(43, 116, 165);
    appState.palette[kHeaderBottom] = RGB(41, 113, 160);
    appState.palette[kTitleShadow] = RGB(60, 90, 110);
    appState.palette[kTitleText] = RGB(240, 242, 245);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    backgroundBrush = CreateSolidBrush(appState.palette[kBackground]);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = kMainClassStyle;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = appState.appIcon;
    windowClass.hIconSm = appState.appIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = backgroundBrush;
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    appState.dpi = MonitorDpi(TrayMonitor());
    const MainWindowLayout layout = LayoutMainWindow(appState.dpi);
    const int x = static_cast<int>(std::lround((GetSystemMetrics(SM_CXSCREEN) - layout.width) / 2.0));
    const int y = static_cast<int>(std::lround((GetSystemMetrics(SM_CYSCREEN) - layout.height) / 2.0));
    HWND window = CreateWindowExW(kMainExStyle, kMainWindowClass, kProgramTitle, kMainStyle, x, y,
                                  layout.width, layout.height, nullptr, nullptr, instance, nullptr);
    // The centre of the screen can lie on a monitor of another scale than the tray's.
    if (window && WindowDpi(window) != appState.dpi)
        ApplyMainWindowDpi(window, WindowDpi(window));
    return window;
}

HANDLE LoadResourceFont(const wchar_t* resourceName) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, resourceName, RT_RCDATA);
    if (!resource)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, resource);
    const DWORD size = SizeofResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0)
        return nullptr;
    std::vector<BYTE> copy(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    DWORD count = 1;
    return AddFontMemResourceEx(copy.data(), size, nullptr, &count);
}

BOOL LoadProgramFonts() {
    appState.fonts[0] = {};
    appState.fonts[1] = {};
    const MainWindowLayout layout = LayoutMainWindow(appState.dpi);
    appState.fonts[0].memoryFont = LoadResourceFont(L"FontGlimra");
    if (appState.fonts[0].memoryFont) {
        appState.fonts[0].font = CreatePixelFont(layout.glyphFontHeight, 0, L"FONTGLIMRA1");
        SetTrackBarGlyphFont(appState.fonts[0].font);
    }
    appState.fonts[1].memoryFont = LoadResourceFont(L"PSEUDO_BRK");
    if (appState.fonts[1].memoryFont)
        appState.fonts[1].font = CreatePixelFont(layout.titleFontHeight, 0, L"PSEUDO BRK");
    // Without its glyph font the window shows letters where its icons belong.
    return appState.fonts[0].font && appState.fonts[1].font ? TRUE : FALSE;
}

BOOL CreateMainControls() {
    appState.captionFont = CreatePixelFont(LayoutMainWindow(appState.dpi).captionFontHeight, 2700, L"Tahoma");
    if (!appState.captionFont)
        return FALSE;
    SetTrackBarFont(appState.captionFont);

    wchar_t adapterName[128] = {};
    wchar_t monitorName[128] = {};
    GetDisplayNames(adapterName, monitorName);
    auto caption = [](const TextKey& key, const wchar_t* device) {
        const std::wstring text = WideText(key) + L": " + device;
        return std::wstring(CutText(std::wstring_view(text), 63));
    };
    MainWindowControls controls = CreateMainWindowControls(
        appState.mainWindow, caption(kMonitorBrightnes, monitorName), caption(kContrastMonitor, monitorName),
        caption(kVideoBrightnes, adapterName), WideText(kResetSettings), WideText(kMenu),
        appState.fonts[0].font, appState.dpi);
    appState.brightnessSlider = controls.brightnessSlider;
    appState.contrastSlider = controls.contrastSlider;
    appState.videoSlider = controls.videoSlider;
    appState.resetButton = controls.resetButton;
    appState.menuButton = controls.menuButton;
    // A missing control (its class could not be registered, or the window not made) would leave an empty
    // window whose positions of 0 would be saved: stop before the profiles are touched.
    if (!controls.brightnessSlider || !controls.contrastSlider || !controls.videoSlider ||
        !controls.resetButton || !controls.menuButton)
        return FALSE;

    InitMonitorControl();
    return TRUE;
}

void CreateResetTooltip() {
    if (appState.tooltipCreated)
        return;
    appState.tooltipCreated = 1;
    AddToolTip(appState.mainWindow, nullptr, L"");
    AddToolTip(appState.mainWindow, appState.resetButton, WideText(kResetSettingsTT).c_str());
}

void PlaceMainWindow(HWND window, bool nearCursor) {
    HMONITOR monitor = TrayMonitor();
    const int dpi = MonitorDpi(monitor);
    if (dpi != appState.dpi)
        ApplyMainWindowDpi(window, dpi);
    RECT bounds;
    GetWindowRect(window, &bounds);
    const RECT work = WorkAreaOf(monitor);

    wchar_t trace[96];
    std::swprintf(trace, 96, L"%ld - %ld - %ld - %ld", work.left, work.top, work.right, work.bottom);
    OutputDebugStringW(trace);

    std::optional<ScreenPoint> cursor;
    if (POINT point{}; nearCursor && GetCursorPos(&point))
        cursor = ScreenPoint{point.x, point.y};
    const ScreenPoint corner =
        PlaceMainWindow(LayoutRect{work.left, work.top, work.right, work.bottom}, cursor,
                        bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool IsKeyForHiddenMainWindow(const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    HWND main = appState.mainWindow;
    if (!main || IsWindowVisible(main))
        return false;
    return message.hwnd == main || IsChild(main, message.hwnd);
}

void DispatchProgramMessage(MSG& message) {
    // After a menu, dialog or message box closes, the hidden window can be left active with a slider
    // focused: keys must not end the program or move a slider unseen.
    if (IsKeyForHiddenMainWindow(message))
        return;
    if (!IsDialogMessageW(appState.mainWindow, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TRAYNOTIFY) {
        HandleTrayNotify(window, lParam);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (appState.taskbarCreatedMessage != 0 && message == appState.taskbarCreatedMessage) {
        if (!appState.shutDown) // the icon removed at the end must not come back
            AddTrayIcon(window, kProgramTitle, kTrayIconName, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // The notification area's icon size follows the scale of the taskbar's monitor, which may not be the
    // window's: any change of scale, of the displays or of the work area is a moment to check it.
    if (message == kDpiChangedMessage || message == WM_SETTINGCHANGE || message == WM_DISPLAYCHANGE)
        FollowTaskbarScale();
    if (NoteDisplayChange(window, message, wParam))
        return DefWindowProcW(window, message, wParam, lParam);

    switch (message) {
    case WM_CREATE:
        SetTimer(window, IDT_REMINDERS, kReminderDelayMs, nullptr);
        AddTrayIcon(window, kProgramTitle, kTrayIconName, -1);
        StartSessionNotifications(window);
        return 1;
    case WM_TIMER:
        // Start-up's own waits handle messages too; the timer keeps ticking until the start is counted.
        if (wParam == IDT_REMINDERS && appState.startupFinished) {
            KillTimer(window, IDT_REMINDERS);
            RunReminderCheck(window);
        } else if (wParam == IDT_DISPLAY_SETTLE) {
            RefindMonitor(window);
        } else if (wParam == IDT_SESSION_RETRY) {
            RetrySessionNotifications(window);
        } else {
            HandleBrightnessKeyTimer(window, wParam);
        }
        break;
    case WM_HOTKEY:
        HandleBrightnessHotkey(window, wParam);
        return 0;
    case WM_SETCURSOR: {
        HWND control = reinterpret_cast<HWND>(wParam);
        if (control != appState.hoverControl && IsSliderId(GetDlgCtrlID(control))) {
            SetFocus(control);
            SetForegroundWindow(window);
            appState.hoverControl = control;
        }
        break;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int notification = HIWORD(wParam);
        if (id == IDCANCEL && notification == 0) {
            SendMessageW(window, WM_DESTROY, wParam, lParam);
            return 1;
        }
        if (id == IDOK && notification == 0) {
            HWND focus = GetFocus();
            if (HWND next = GetNextDlgTabItem(GetParent(focus), focus, FALSE))
                SetFocus(next);
        } else if (id == IDC_RESET_SETTINGS && notification == BN_CLICKED) {
            ResetMonitorSettings();
        } else if (id == IDC_MENU && notification == BN_CLICKED) {
            ShowPopupMenu(window);
            return 0;
        }
        break;
    }
    case WM_VSCROLL:
    case kSliderNotifyMessage:
        HandleSliderChange(reinterpret_cast<HWND>(lParam));
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_MBUTTONDOWN)
            HandleMiddleButtonOnChild(window, lParam);
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (IsSliderId(static_cast<int>(header->idFrom)) && header->code == static_cast<UINT>(NM_CUSTOMDRAW))
            return TrackBarCustomDraw(lParam);
        break;
    }
    case WM_PAINT:
        PaintMainWindow(window);
        return 0;
    case kDpiChangedMessage:
        HandleDpiChanged(window, wParam, lParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCACTIVATE:
        if (wParam == 0) {
            appState.savedFocus = GetFocus();
            if (!OpenProgramDialog())
                ShowWindow(window, SW_HIDE);
        } else if (appState.savedFocus) {
            SetFocus(appState.savedFocus);
            SetActiveWindow(appState.savedFocus);
            appState.savedFocus = nullptr;
        }
        break;
    case WM_ENDSESSION:
        if (appState.startupFinished)
            SaveSettings();
        break;
    case WM_DESTROY:
        // No re-find may start once the library is being unloaded.
        KillTimer(window, IDT_DISPLAY_SETTLE);
        UnregisterSessionNotifications(window);
        ShutDownProgram();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
