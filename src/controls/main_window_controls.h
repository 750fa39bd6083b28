// The main window's three sliders and two buttons, created and configured as the main window wants them.
#pragma once

#include <windows.h>

#include <string>

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
// the caller's message loop runs.
MainWindowControls CreateMainWindowControls(HWND parent, const std::wstring& brightnessCaption,
                                            const std::wstring& contrastCaption,
                                            const std::wstring& videoCaption, const std::wstring& resetText,
                                            const std::wstring& menuText, HFONT glyphFont);
