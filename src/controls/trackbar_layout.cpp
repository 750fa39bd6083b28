#include "controls/trackbar_layout.h"

#include "controls/color_shift.h"

namespace {

constexpr int kTickOrigin = 24; // half the 48-pixel thumb length; the ticks count from here, not the top line
constexpr int kScaleInset = 12; // half of that: the scale's ends sit this far inside the channel
constexpr int kScaleLeft = 4;
constexpr int kShortTickEnd = 8;
constexpr int kMiddleTickEnd = 10;
constexpr int kLongTickEnd = 15;

constexpr int kCaptionLeft = 79;
constexpr int kCaptionTopWithGlyph = 37;
constexpr int kCaptionTopWithoutGlyph = 14;
constexpr int kCaptionRunExtra = 68;

long long FloorDiv(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

} // namespace

int RoundHalfEven(long long numerator, long long denominator) {
    const long long floor = FloorDiv(numerator, denominator);
    const long long twiceRemainder = 2 * (numerator - floor * denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && (floor % 2 != 0)))
        return static_cast<int>(floor + 1);
    return static_cast<int>(floor);
}

std::vector<ScaleLine> TrackBarScaleLines(int channelTop, int channelBottom, int dpi) {
    auto scale = [dpi](int value) { return ScaleForDpi(value, dpi); };
    const int top = channelTop + scale(kScaleInset);
    const int bottom = channelBottom - scale(kScaleInset);
    const long long span = bottom - top + 1;
    const int left = scale(kScaleLeft);
    const int origin = scale(kTickOrigin);

    std::vector<ScaleLine> lines;
    lines.reserve(2 + 39 + 19 + 9);
    lines.push_back({left, scale(kLongTickEnd), top - 1});
    auto ticks = [&](int divisions, int end) {
        for (int i = 1; i < divisions; ++i) {
            const int y = RoundHalfEven(static_cast<long long>(origin) * divisions + i * span, divisions);
            lines.push_back({left, scale(end), y});
        }
    };
    ticks(40, kShortTickEnd);
    ticks(20, kMiddleTickEnd);
    ticks(10, kLongTickEnd);
    lines.push_back({left, scale(kLongTickEnd), bottom});
    return lines;
}

LayoutRect TrackBarCaptionRect(int clientBottom, bool hasGlyph, int dpi) {
    const int top = ScaleForDpi(hasGlyph ? kCaptionTopWithGlyph : kCaptionTopWithoutGlyph, dpi);
    return {ScaleForDpi(kCaptionLeft, dpi), top, clientBottom + ScaleForDpi(kCaptionRunExtra, dpi) - top,
            clientBottom};
}

LayoutRect TrackBarGlyphRect(int clientBottom, int dpi) {
    return {ScaleForDpi(60, dpi), ScaleForDpi(10, dpi), clientBottom - ScaleForDpi(40, dpi), clientBottom};
}

LayoutRect TrackBarChannelFrame(const LayoutRect& channel, int dpi) {
    const int inset = ScaleForDpi(8, dpi);
    return {channel.left + inset, channel.top, channel.right - inset, channel.bottom};
}

LayoutRect TrackBarLevelRect(const LayoutRect& channel, int thumbTop, int dpi) {
    const LayoutRect frame = TrackBarChannelFrame(channel, dpi);
    const int inset = ScaleForDpi(2, dpi);
    return {frame.left + inset, thumbTop, frame.right - inset, frame.bottom - inset};
}

int TrackBarShownValue(int position, bool isSigned) {
    return (isSigned ? 50 : 100) - position;
}

TrackBarPalette TrackBarColours(const TrackBarLookInput& look) {
    TrackBarPalette palette;
    const uint32_t background = look.background;
    if (look.enabled) {
        palette.fill = look.accent;
        palette.text = look.focused ? ColorShift(look.text, 14) : look.text;
    } else if (look.disabledFill != 0) {
        palette.fill = look.disabledFill;
        palette.text = ColorShift(look.disabledFill, -42);
    } else {
        palette.fill = ColorShift(background, -12);
        palette.text = ColorShift(0, -22, false, true, true); // a fixed grey whatever the input
    }
    palette.backgroundSolid = ColorShift(background, look.focused ? 12 : -2);
    palette.gradientTop = ColorShift(background, look.focused ? 6 : 10);
    palette.gradientBottom = ColorShift(background, look.focused ? 14 : 2);
    palette.channelFrame = ColorShift(background, -40);
    palette.levelStart = ColorShift(palette.fill, 4);
    palette.levelEnd = ColorShift(palette.fill, -2);
    palette.thumbBottom = ColorShift(palette.fill, -22);
    palette.outline = ColorShift(background, 2);
    return palette;
}
