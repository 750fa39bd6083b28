#include "controls/main_window_layout.h"

namespace {

LayoutRect ScaleRect(const LayoutRect& box, int dpi) {
    return {ScaleForDpi(box.left, dpi), ScaleForDpi(box.top, dpi), ScaleForDpi(box.right, dpi),
            ScaleForDpi(box.bottom, dpi)};
}

// At 96 DPI: a group is three slider columns of 96 pixels, and the window is one group plus its margins.
constexpr int kGroupWidth = 288;
constexpr int kOneGroupWindowWidth = 294;

} // namespace

MainWindowLayout LayoutMainWindow(int dpi, int groupCount) {
    auto scale = [dpi](int value) { return ScaleForDpi(value, dpi); };
    if (groupCount < 1)
        groupCount = 1;
    const int width96 = kOneGroupWindowWidth + (groupCount - 1) * kGroupWidth;
    MainWindowLayout layout;
    layout.width = scale(width96);
    layout.height = scale(398);
    for (int group = 0; group < groupCount; ++group) {
        // Each box is scaled from its 96-DPI place, so a further group's sliders have the first group's size.
        const int left = group * kGroupWidth;
        layout.groups.push_back({ScaleBox({left + 6, 62, 90, 296}, dpi),
                                 ScaleBox({left + 102, 62, 90, 296}, dpi),
                                 ScaleBox({left + 198, 62, 90, 296}, dpi)});
    }
    layout.brightnessSlider = layout.groups[0].brightnessSlider;
    layout.contrastSlider = layout.groups[0].contrastSlider;
    layout.videoSlider = layout.groups[0].videoSlider;
    layout.resetButton = ScaleBox({6, 369, 158, 24}, dpi);
    layout.menuButton = ScaleBox({width96 - 124, 369, 118, 24}, dpi);
    layout.thumbLength = scale(48);
    layout.headerBottom = scale(55);
    layout.bodyBottom = scale(412);
    layout.footerTop = scale(365);
    layout.footerBottom = scale(430);
    layout.frameTop = scale(54);
    // The shadow sits 2 pixels right of and below the title, both ending at the window's right edge.
    layout.titleShadow = ScaleRect({4, 14, width96, 48}, dpi);
    layout.title = ScaleRect({0, 10, width96, 48}, dpi);
    layout.captionFontHeight = scale(16);
    layout.glyphFontHeight = scale(22);
    layout.titleFontHeight = scale(24);
    layout.buttonFontHeight = scale(16);
    return layout;
}
