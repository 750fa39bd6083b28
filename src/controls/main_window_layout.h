// Where everything of the main window goes at a display scale: the 96-DPI layout, scaled.
#pragma once

#include <vector>

#include "controls/layout_rect.h"
#include "platform/dpi_scale.h"

// One display's three sliders.
struct SliderGroupBoxes {
    ScaledBox brightnessSlider;
    ScaledBox contrastSlider;
    ScaledBox videoSlider;
};

struct MainWindowLayout {
    int width = 0;  // 294 at 96 DPI with one display, one group wider for each further display
    int height = 0; // 398
    // The first group's sliders (the primary display's), also groups[0].
    ScaledBox brightnessSlider;
    ScaledBox contrastSlider;
    ScaledBox videoSlider;
    // One group per display, side by side from the left.
    std::vector<SliderGroupBoxes> groups;
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

// The layout for groupCount displays (at least one): each further group widens the window by one group,
// and the buttons stay one row under all of them, the menu button at the right edge.
MainWindowLayout LayoutMainWindow(int dpi, int groupCount = 1);
