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
#include "monitor/panel_displays.h"
#include "monitor/profiles.h"
#include "monitor/video_brightness.h"
#include "platform/display_config.h"
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

// One group per display; one while none is known.
int SliderGroupCount() {
    return displayControls.empty() ? 1 : static_cast<int>(displayControls.size());
}

void PaintMainWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const MainWindowLayout layout = LayoutMainWindow(appState.dpi, SliderGroupCount());

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

// While the monitors are linked, the same slider of every other group takes the position; each of those
// notifies as if moved, so each display's monitors get their own requests. A disabled slider stays: its
// monitor does not answer, and nothing is sent to it.
void FollowLinkedSliders(const DisplayControl& moved, HWND slider) {
    static bool following = false;
    if (!monitorSystem.linkMonitors || following)
        return;
    following = true;
    const int position = GetSliderPosition(slider);
    const bool brightness = slider == moved.brightnessSlider;
    const bool contrast = slider == moved.contrastSlider;
    for (std::size_t k = 0; k < displayControls.size(); ++k) {
        const DisplayControl& other = displayControls[k];
        if (&other == &moved)
            continue;
        HWND same = brightness ? other.brightnessSlider : contrast ? other.contrastSlider : other.videoSlider;
        if (!same || !IsWindowEnabled(same))
            continue;
        if (GetSliderPosition(same) != position)
            SetSliderPosition(same, position, WM_VSCROLL);
        else if (!LeftButtonDown())
            SendMessageW(GetParent(same), WM_VSCROLL, 0, reinterpret_cast<LPARAM>(same)); // the release
    }
    following = false;
}

void HandleSliderChange(HWND slider) {
    DisplayControl* display = DisplayOfSlider(slider);
    if (!display)
        return;
    FollowLinkedSliders(*display, slider);
    if (slider == display->brightnessSlider) {
        if (!LeftButtonDown())
            SetMonitorBrightness(*display, MonitorValueFromPosition(GetSliderPosition(slider)));
    } else if (slider == display->contrastSlider) {
        if (!LeftButtonDown())
            SetMonitorContrast(*display, MonitorValueFromPosition(GetSliderPosition(slider)));
    } else {
        SetVideoBrightness(*display, VideoLevelFromPosition(GetSliderPosition(slider)));
    }
}

// Every display shown: the factory code to its monitors, its video level to the middle, its monitors read
// back. By index: the reads pump messages.
void ResetMonitorSettings() {
    for (std::size_t k = 0; k < displayControls.size(); ++k) {
        FactoryResetMonitors(displayControls[k]);
        SetSliderPosition(displayControls[k].videoSlider, kSliderStart, WM_VSCROLL);
        ReadMonitorIntoSliders(displayControls[k], nullptr);
    }
}

void HandleMiddleButtonOnChild(HWND window, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &point);
    HWND under = WindowFromPoint(point);
    const DisplayControl* display = DisplayOfSlider(under);
    if (display && under == display->videoSlider) {
        SetSliderPosition(under, kSliderStart, WM_VSCROLL);
        RedrawWindow(under, nullptr, nullptr, RDW_INVALIDATE);
    }
}

// Group k's sliders are 2010..2012 + 16k.
bool IsSliderId(int id) {
    if (id < IDC_MONITOR_BRIGHTNESS || id >= IDC_RESET_SETTINGS)
        return false;
    return (id - IDC_MONITOR_BRIGHTNESS) % kSliderGroupIdStep <=
           IDC_VIDEO_BRIGHTNESS - IDC_MONITOR_BRIGHTNESS;
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
    MainWindowControls controls;
    if (!displayControls.empty()) {
        controls.brightnessSlider = displayControls[0].brightnessSlider;
        controls.contrastSlider = displayControls[0].contrastSlider;
        controls.videoSlider = displayControls[0].videoSlider;
    }
    controls.resetButton = appState.resetButton;
    controls.menuButton = appState.menuButton;
    return controls;
}

// Every control where the layout for the present groups puts it, and the window at its size.
void LayOutControls(HWND window, const RECT* place) {
    const int groups = SliderGroupCount();
    const MainWindowLayout layout = LayoutMainWindow(appState.dpi, groups);
    if (appState.resetButton) {
        LayoutMainWindowControls(Controls(), appState.dpi, groups);
        for (int k = 1; k < groups; ++k) {
            const DisplayControl& display = displayControls[static_cast<std::size_t>(k)];
            LayoutSliderGroup({display.brightnessSlider, display.contrastSlider, display.videoSlider}, k,
                              groups, appState.dpi);
        }
    }
    SetWindowPos(window, nullptr, place ? place->left : 0, place ? place->top : 0, layout.width,
                 layout.height, SWP_NOZORDER | SWP_NOACTIVATE | (place ? 0 : SWP_NOMOVE));
    RefreshPanelTips(); // a tip over a disabled slider is a rectangle of the window: it follows the slider
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

std::wstring SliderCaption(const TextKey& key, const std::wstring& device) {
    const std::wstring text = WideText(key) + L": " + device;
    return std::wstring(CutText(std::wstring_view(text), 63));
}

struct GroupCaptions {
    std::wstring brightness;
    std::wstring contrast;
    std::wstring video;
};

// The monitor sliders name the monitor as the system describes it, or by the name Windows read from its
// EDID where there is one; the video slider names the display adapter.
GroupCaptions CaptionsFor(const DisplayControl& display, const std::vector<DisplayPath>& paths) {
    wchar_t adapterName[128] = {};
    wchar_t monitorName[128] = {};
    const std::wstring gdiName = ToWide(display.identity.gdiDeviceName);
    GetDisplayNames(adapterName, monitorName, gdiName.c_str());
    const std::u16string edidName = EdidFriendlyName(paths, display.identity.gdiDeviceName);
    const std::wstring monitor = edidName.empty() ? std::wstring(monitorName) : ToWide(edidName);
    return {SliderCaption(kMonitorBrightnes, monitor), SliderCaption(kContrastMonitor, monitor),
            SliderCaption(kVideoBrightnes, adapterName)};
}

// Gives every display without sliders its group, next after the group before it.
void CreateMissingGroups(const std::vector<DisplayPath>& paths) {
    const int groups = SliderGroupCount();
    for (int k = 1; k < groups; ++k) {
        DisplayControl& display = displayControls[static_cast<std::size_t>(k)];
        if (display.brightnessSlider)
            continue;
        const GroupCaptions captions = CaptionsFor(display, paths);
        const SliderGroupControls created = CreateSliderGroup(
            appState.mainWindow, displayControls[static_cast<std::size_t>(k - 1)].videoSlider, k, groups,
            captions.brightness, captions.contrast, captions.video, appState.dpi);
        display.brightnessSlider = created.brightnessSlider;
        display.contrastSlider = created.contrastSlider;
        display.videoSlider = created.videoSlider;
    }
}

void SetTrackBarCaption(HWND slider, const std::wstring& caption) {
    SuTrackBarRecord record;
    if (!slider || !GetTrackBarRecord(slider, &record) || caption == record.caption)
        return;
    lstrcpynW(record.caption, caption.c_str(), kTrackBarCaptionUnits);
    ApplyTrackBarSettings(slider, record);
    InvalidateRect(slider, nullptr, TRUE);
}

// After a re-find: the groups of displays gone are destroyed, new displays get theirs, and the window is
// laid out for them, shown or not.
void FitSliderGroups(std::vector<HWND>& surplusSliders) {
    for (HWND slider : surplusSliders) {
        if (appState.hoverControl == slider)
            appState.hoverControl = nullptr;
        if (appState.savedFocus == slider)
            appState.savedFocus = nullptr;
        DestroyWindow(slider);
    }
    const std::vector<DisplayPath> paths = QueryActiveDisplayPaths();
    bool groupsChanged = !surplusSliders.empty();
    for (const DisplayControl& display : displayControls)
        groupsChanged = groupsChanged || !display.brightnessSlider;
    CreateMissingGroups(paths);
    // The groups kept belong to other displays now, perhaps: their captions follow.
    for (std::size_t k = 0; k < displayControls.size(); ++k) {
        const DisplayControl& display = displayControls[k];
        const GroupCaptions captions = CaptionsFor(display, paths);
        SetTrackBarCaption(display.brightnessSlider, captions.brightness);
        SetTrackBarCaption(display.contrastSlider, captions.contrast);
        SetTrackBarCaption(display.videoSlider, captions.video);
    }
    LayOutControls(appState.mainWindow, nullptr);
    // A wider or narrower window shown at the tray is placed again inside the work area.
    if (groupsChanged && IsWindowVisible(appState.mainWindow))
        PlaceMainWindow(appState.mainWindow, false);
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
    const MainWindowLayout layout = LayoutMainWindow(dpi, SliderGroupCount());
    // Before the controls exist (the window was just made) only the window's own size changes.
    if (appState.resetButton) {
        CreateScaledFonts(layout);
        HFONT textFont = CreateButtonTextFont(dpi);
        SetButtonClassFonts(textFont, appState.fonts[0].font);
        for (HWND button : {appState.resetButton, appState.menuButton})
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), FALSE);
    }
    ScaleToolTip(dpi);
    LayOutControls(window, place);
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

    // The displays first: the window has a group for each.
    FindMonitorsAtStart();
    if (displayControls.empty())
        displayControls.emplace_back().identity.primary = true;
    const std::vector<DisplayPath> paths = QueryActiveDisplayPaths();
    const GroupCaptions captions = CaptionsFor(displayControls[0], paths);
    MainWindowControls controls = CreateMainWindowControls(
        appState.mainWindow, captions.brightness, captions.contrast, captions.video, WideText(kResetSettings),
        WideText(kMenu), appState.fonts[0].font, appState.dpi, SliderGroupCount());
    displayControls[0].brightnessSlider = controls.brightnessSlider;
    displayControls[0].contrastSlider = controls.contrastSlider;
    displayControls[0].videoSlider = controls.videoSlider;
    appState.resetButton = controls.resetButton;
    appState.menuButton = controls.menuButton;
    // A missing control (its class could not be registered, or the window not made) would leave an empty
    // window whose positions of 0 would be saved: stop before the profiles are touched.
    if (!controls.brightnessSlider || !controls.contrastSlider || !controls.videoSlider ||
        !controls.resetButton || !controls.menuButton)
        return FALSE;
    if (displayControls.size() > 1) {
        CreateMissingGroups(paths);
        LayOutControls(appState.mainWindow, nullptr);
    }

    StartMonitorControl();
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
            RefindMonitor(window, FitSliderGroups);
        } else if (wParam == IDT_SESSION_RETRY) {
            RetrySessionNotifications(window);
        } else if (HandlePanelTimer(window, wParam)) {
            break;
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
        if (appState.startupFinished) {
            SendPendingBrightnessKeys(window); // the monitors as saved, before Windows ends the program
            SendPanelLevelsNow(window);
            SaveSettings();
        }
        break;
    case WM_DESTROY:
        // No re-find may start once the library is being unloaded.
        KillTimer(window, IDT_DISPLAY_SETTLE);
        KillTimer(window, IDT_PANEL_FIND);
        KillTimer(window, IDT_PANEL_SEND);
        UnregisterSessionNotifications(window);
        ShutDownProgram();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
