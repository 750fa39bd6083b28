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
                                            const std::wstring& menuText, HFONT glyphFont,
                                            int dpi = kBaseDpi);
// Moves and sizes the five controls (and the sliders' thumbs) for another dpi.
void LayoutMainWindowControls(const MainWindowControls& controls, int dpi);
// The buttons' text font at dpi (Tahoma, 16 pixels at 96 DPI); the caller owns it.
HFONT CreateButtonTextFont(int dpi);
