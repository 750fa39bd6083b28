#include "controls/main_window_controls.h"

#include <commctrl.h>

#include <cwchar>

#include "controls/button.h"
#include "controls/main_window_layout.h"
#include "controls/trackbar.h"
#include "resources/resource_ids.h"

namespace {

constexpr DWORD kSliderStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS | TBS_VERT | TBS_BOTH |
                               TBS_ENABLESELRANGE | TBS_FIXEDLENGTH;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr int kTickFrequency = 4;
constexpr int kPageSize = 10;
constexpr int kMiddlePosition = 50;

// Control ids and glyph characters of the icon font.
constexpr int kBrightnessSliderId = 2010;
constexpr int kContrastSliderId = 2011;
constexpr int kVideoSliderId = 2012;
constexpr int kResetButtonId = 3010;
constexpr int kMenuButtonId = 3012;
constexpr wchar_t kBrightnessGlyph = GLYPH_MONITOR_BRIGHTNESS;
constexpr wchar_t kContrastGlyph = GLYPH_MONITOR_CONTRAST;
constexpr wchar_t kVideoGlyph = GLYPH_VIDEO_BRIGHTNESS;
constexpr wchar_t kResetGlyph = GLYPH_RESET;
constexpr wchar_t kMenuGlyph = GLYPH_MENU;

constexpr COLORREF kButtonFace = RGB(219, 219, 219);
constexpr COLORREF kButtonText = RGB(100, 104, 116);

HWND CreateSlider(HWND parent, int id, const ScaledBox& box, int thumbLength, const std::wstring& caption,
                  wchar_t glyph, bool isSigned) {
    HWND slider =
        CreateWindowExW(0, L"Su_TrackBar", L"", kSliderStyle, box.x, box.y, box.width, box.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(slider, TBM_SETTHUMBLENGTH, thumbLength, 0);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageW(slider, TBM_SETPOS, FALSE, kMiddlePosition);
    SendMessageW(slider, TBM_SETTICFREQ, kTickFrequency, 0);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, kPageSize);
    // Posted, so they arrive after the synchronous copy below and survive it.
    if (isSigned)
        PostMessageW(slider, SUM_SETPROP, STP_SIGNED, 1);
    PostMessageW(slider, SUM_SETPROP, STP_GLYPH, glyph);

    SuTrackBarRecord settings;
    settings.backgroundColour = RGB(255, 255, 255);
    settings.accentColour = RGB(248, 248, 248);
    settings.textColour = RGB(80, 80, 80);
    settings.disabledFill = RGB(250, 250, 250);
    settings.style = kTrackBarVerticalGradient;
    wcsncpy(settings.caption, caption.c_str(), kTrackBarCaptionUnits - 1);
    ApplyTrackBarSettings(slider, settings);
    return slider;
}

HWND CreateButton(HWND parent, int id, const ScaledBox& box, const std::wstring& text) {
    return CreateWindowExW(0, L"SuButton", text.c_str(), kButtonStyle, box.x, box.y, box.width, box.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void MoveControl(HWND control, const ScaledBox& box) {
    SetWindowPos(control, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

MainWindowControls CreateMainWindowControls(HWND parent, const std::wstring& brightnessCaption,
                                            const std::wstring& contrastCaption,
                                            const std::wstring& videoCaption, const std::wstring& resetText,
                                            const std::wstring& menuText, HFONT glyphFont, int dpi,
                                            int groupCount) {
    const MainWindowLayout layout = LayoutMainWindow(dpi, groupCount);
    MainWindowControls controls;
    SuperclassWindowClass(L"msctls_trackbar32", L"Su_TrackBar", nullptr);
    controls.brightnessSlider = CreateSlider(parent, kBrightnessSliderId, layout.brightnessSlider,
                                             layout.thumbLength, brightnessCaption, kBrightnessGlyph, false);
    controls.contrastSlider = CreateSlider(parent, kContrastSliderId, layout.contrastSlider,
                                           layout.thumbLength, contrastCaption, kContrastGlyph, false);
    controls.videoSlider = CreateSlider(parent, kVideoSliderId, layout.videoSlider, layout.thumbLength,
                                        videoCaption, kVideoGlyph, true);

    RegisterButtonClass(L"SuButton", nullptr, kButtonFace, kButtonText, 0, CreateButtonTextFont(dpi),
                        glyphFont, nullptr, nullptr);
    controls.resetButton = CreateButton(parent, kResetButtonId, layout.resetButton, resetText);
    controls.menuButton = CreateButton(parent, kMenuButtonId, layout.menuButton, menuText);
    PostMessageW(controls.resetButton, SUM_SETPROP, SBP_GLYPH, kResetGlyph);
    PostMessageW(controls.menuButton, SUM_SETPROP, SBP_GLYPH, kMenuGlyph);
    return controls;
}

HFONT CreateButtonTextFont(int dpi) {
    return CreateFontW(LayoutMainWindow(dpi).buttonFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0,
                       PROOF_QUALITY, 0, L"Tahoma");
}

SliderGroupControls CreateSliderGroup(HWND parent, HWND insertAfter, int group, int groupCount,
                                      const std::wstring& brightnessCaption,
                                      const std::wstring& contrastCaption, const std::wstring& videoCaption,
                                      int dpi) {
    const MainWindowLayout layout = LayoutMainWindow(dpi, groupCount > group ? groupCount : group + 1);
    const SliderGroupBoxes& boxes = layout.groups[static_cast<std::size_t>(group)];
    const int step = group * kSliderGroupIdStep;
    SliderGroupControls controls;
    controls.brightnessSlider = CreateSlider(parent, kBrightnessSliderId + step, boxes.brightnessSlider,
                                             layout.thumbLength, brightnessCaption, kBrightnessGlyph, false);
    controls.contrastSlider = CreateSlider(parent, kContrastSliderId + step, boxes.contrastSlider,
                                           layout.thumbLength, contrastCaption, kContrastGlyph, false);
    controls.videoSlider = CreateSlider(parent, kVideoSliderId + step, boxes.videoSlider, layout.thumbLength,
                                        videoCaption, kVideoGlyph, true);
    // Tab walks the children in their z-order: the group follows the previous group's last slider.
    for (HWND slider : {controls.brightnessSlider, controls.contrastSlider, controls.videoSlider}) {
        if (insertAfter && slider)
            SetWindowPos(slider, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (slider)
            insertAfter = slider;
    }
    return controls;
}

void LayoutSliderGroup(const SliderGroupControls& controls, int group, int groupCount, int dpi) {
    const MainWindowLayout layout = LayoutMainWindow(dpi, groupCount > group ? groupCount : group + 1);
    const SliderGroupBoxes& boxes = layout.groups[static_cast<std::size_t>(group)];
    for (HWND slider : {controls.brightnessSlider, controls.contrastSlider, controls.videoSlider})
        SendMessageW(slider, TBM_SETTHUMBLENGTH, layout.thumbLength, 0);
    MoveControl(controls.brightnessSlider, boxes.brightnessSlider);
    MoveControl(controls.contrastSlider, boxes.contrastSlider);
    MoveControl(controls.videoSlider, boxes.videoSlider);
}

void LayoutMainWindowControls(const MainWindowControls& controls, int dpi, int groupCount) {
    const MainWindowLayout layout = LayoutMainWindow(dpi, groupCount);
    for (HWND slider : {controls.brightnessSlider, controls.contrastSlider, controls.videoSlider})
        SendMessageW(slider, TBM_SETTHUMBLENGTH, layout.thumbLength, 0);
    MoveControl(controls.brightnessSlider, layout.brightnessSlider);
    MoveControl(controls.contrastSlider, layout.contrastSlider);
    MoveControl(controls.videoSlider, layout.videoSlider);
    MoveControl(controls.resetButton, layout.resetButton);
    MoveControl(controls.menuButton, layout.menuButton);
}
