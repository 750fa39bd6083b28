#include "controls/main_window_layout.h"

namespace {

LayoutRect ScaleRect(const LayoutRect& box, int dpi) {
    return {ScaleForDpi(box.left, dpi), ScaleForDpi(box.top, dpi), ScaleForDpi(box.right, dpi),
            ScaleForDpi(box.bottom, dpi)};
}

} // namespace

MainWindowLayout LayoutMainWindow(int dpi) {
    auto scale = [dpi](int value) { return ScaleForDpi(value, dpi); };
    MainWindowLayout layout;
    layout.width = scale(294);
    layout.height = scale(398);
    layout.brightnessSlider = ScaleBox({6, 62, 90, 296}, dpi);
    layout.contrastSlider = ScaleBox({102, 62, 90, 296}, dpi);
    layout.videoSlider = ScaleBox({198, 62, 90, 296}, dpi);
    layout.resetButton = ScaleBox({6, 369, 158, 24}, dpi);
    layout.menuButton = ScaleBox({170, 369, 118, 24}, dpi);
    layout.thumbLength = scale(48);
    layout.headerBottom = scale(55);
    layout.bodyBottom = scale(412);
    layout.footerTop = scale(365);
    layout.footerBottom = scale(430);
    layout.frameTop = scale(54);
    // The shadow sits 2 pixels right of and below the title, both ending at the window's right edge.
    layout.titleShadow = ScaleRect({4, 14, 294, 48}, dpi);
    layout.title = ScaleRect({0, 10, 294, 48}, dpi);
    layout.captionFontHeight = scale(16);
    layout.glyphFontHeight = scale(22);
    layout.titleFontHeight = scale(24);
    layout.buttonFontHeight = scale(16);
    return layout;
}
