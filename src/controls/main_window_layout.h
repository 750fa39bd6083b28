// Where everything of the main window goes at a display scale: the 96-DPI layout, scaled.
#pragma once

#include "controls/layout_rect.h"
#include "platform/dpi_scale.h"

struct MainWindowLayout {
    int width = 0;  // 294 at 96 DPI
    int height = 0; // 398
    ScaledBox brightnessSlider;
    ScaledBox contrastSlider;
    ScaledBox videoSlider;
    ScaledBox resetButton;
    ScaledBox menuButton;
    int thumbLength = 0;
    // Painted bands, top to bottom, and the frame around the body.
    int headerBottom = 0;
    int bodyBottom = 0;
    int footerTop = 0;
    int footerBottom = 0;
    int frameTop = 0;
    LayoutRect titleShadow;
    LayoutRect title;
    // Font cell heights in pixels.
    int captionFontHeight = 0;
    int glyphFontHeight = 0;
    int titleFontHeight = 0;
    int buttonFontHeight = 0;
};

MainWindowLayout LayoutMainWindow(int dpi);
