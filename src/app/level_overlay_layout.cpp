#include "app/level_overlay_layout.h"

#include <algorithm>

#include "platform/dpi_scale.h"

namespace {

constexpr int kPadding = 14;
constexpr int kBarHeight = 8;
constexpr int kNumberWidth = 44;
constexpr int kFontHeight = 22;

} // namespace

LevelOverlayLayout LayOutLevelOverlay(const LayoutRect& workArea, int dpi, int percent) {
    LevelOverlayLayout layout;
    const int width = ScaleForDpi(kLevelOverlayWidth, dpi);
    const int height = ScaleForDpi(kLevelOverlayHeight, dpi);
    const int left = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int wanted = workArea.bottom - ScaleForDpi(kLevelOverlayBottomGap, dpi) - height;
    const int top = std::max(workArea.top, wanted);
    layout.window = {std::max(workArea.left, left), top, std::max(workArea.left, left) + width, top + height};

    const int padding = ScaleForDpi(kPadding, dpi);
    const int numberWidth = ScaleForDpi(kNumberWidth, dpi);
    const int barHeight = ScaleForDpi(kBarHeight, dpi);
    const int barTop = (height - barHeight) / 2;
    layout.bar = {padding, barTop, width - padding - numberWidth, barTop + barHeight};
    const int held = std::clamp(percent, 0, 100);
    const int barWidth = layout.bar.right - layout.bar.left;
    layout.fill = layout.bar;
    layout.fill.right = layout.bar.left + (barWidth * held + 50) / 100;
    layout.number = {layout.bar.right, 0, width - padding / 2, height};
    layout.fontHeight = ScaleForDpi(kFontHeight, dpi);
    return layout;
}

int LevelOverlayAlpha(int msSinceLastPress) {
    if (msSinceLastPress < kLevelOverlayHoldMs)
        return 255;
    if (msSinceLastPress >= kLevelOverlayGoneMs)
        return 0;
    const int left = kLevelOverlayGoneMs - msSinceLastPress;
    return std::max(1, 255 * left / (kLevelOverlayGoneMs - kLevelOverlayHoldMs));
}
