// The main window's three sliders and two buttons, created and configured as the main window wants them.
#pragma once

#include <windows.h>

#include <string>

#include "platform/dpi_scale.h"

struct MainWindowControls {
    HWND brightnessSlider = nullptr;
    HWND contrastSlider = nullptr;
    HWND videoSlider = nullptr;
    HWND resetButton = nullptr;
    HWND menuButton = nullptr;
};

// Registers the slider and button classes and creates the five controls on parent. The caption font and the
// glyph font must already have been given to the slider class (SetTrackBarFont, SetTrackBarGlyphFont);
// glyphFont is also handed to the button class, which borrows it (the caller keeps and deletes it).
// Captions are cut to 63 characters. The glyph and signed settings are posted, so they take effect once
// the caller's message loop runs. Sizes and places are the 96-DPI layout scaled for dpi; the fonts given
// must be made for the same dpi.
MainWindowControls CreateMainWindowControls(HWND parent, const std::wstring& brightnessCaption,
                                            const std::wstring& contrastCaption,
                                            const std::wstring& videoCaption, const std::wstring& resetText,
                                            const std::wstring& menuText, HFONT glyphFont, int dpi = kBaseDpi,
                                            int groupCount = 1);
// Moves and sizes the five controls (and the sliders' thumbs) for another dpi, the buttons under
// groupCount groups.
void LayoutMainWindowControls(const MainWindowControls& controls, int dpi, int groupCount = 1);

// A further display's sliders. Group k (k >= 1) has the ids 2010 + 16k (brightness), 2011 + 16k (contrast)
// and 2012 + 16k (video); group 0's are the five controls' sliders above.
struct SliderGroupControls {
    HWND brightnessSlider = nullptr;
    HWND contrastSlider = nullptr;
    HWND videoSlider = nullptr;
};
constexpr int kSliderGroupIdStep = 16;
// Creates group's sliders where the layout for groupCount groups puts them, next after insertAfter in the
// tab order (the previous group's video slider).
SliderGroupControls CreateSliderGroup(HWND parent, HWND insertAfter, int group, int groupCount,
                                      const std::wstring& brightnessCaption,
                                      const std::wstring& contrastCaption, const std::wstring& videoCaption,
                                      int dpi);
// Moves and sizes group's sliders for dpi.
void LayoutSliderGroup(const SliderGroupControls& controls, int group, int groupCount, int dpi);
// The buttons' text font at dpi (Tahoma, 16 pixels at 96 DPI); the caller owns it.
HFONT CreateButtonTextFont(int dpi);
