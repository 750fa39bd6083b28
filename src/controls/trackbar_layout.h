// Geometry and colours of the slider's owner-drawn picture, kept apart from GDI so they can be checked
// natively. Coordinates are the slider's client coordinates; insets and offsets are 96-DPI pixels scaled
// for dpi.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/layout_rect.h"
#include "platform/dpi_scale.h"

// One horizontal scale line from (x1, y) to (x2, y); like LineTo, x2 itself is not painted.
struct ScaleLine {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    bool operator==(const ScaleLine&) const = default;
};

// The tick scale for a channel: the top line, 39 short, 19 middle and 9 long ticks, the bottom line.
std::vector<ScaleLine> TrackBarScaleLines(int channelTop, int channelBottom, int dpi = kBaseDpi);

// Nearest integer to numerator / denominator (denominator > 0), ties to even.
int RoundHalfEven(long long numerator, long long denominator);

// The rotated caption starts at (left, top) and runs down; the rectangle's width is the run available.
LayoutRect TrackBarCaptionRect(int clientBottom, bool hasGlyph, int dpi = kBaseDpi);
LayoutRect TrackBarGlyphRect(int clientBottom, int dpi = kBaseDpi);
// The framed part of the channel, and the level bar inside it from the thumb's top downward.
LayoutRect TrackBarChannelFrame(const LayoutRect& channel, int dpi = kBaseDpi);
LayoutRect TrackBarLevelRect(const LayoutRect& channel, int thumbTop, int dpi = kBaseDpi);

// What the thumb shows: 100 - position, or 50 - position for a signed slider.
int TrackBarShownValue(int position, bool isSigned);

struct TrackBarLookInput {
    bool enabled = true;
    bool focused = false;
    uint32_t accent = 0;
    uint32_t background = 0;
    uint32_t text = 0;
    uint32_t disabledFill = 0;
};

struct TrackBarPalette {
    uint32_t fill = 0; // thumb and level bar
    uint32_t text = 0; // value, caption, glyph and scale
    uint32_t backgroundSolid = 0;
    uint32_t gradientTop = 0;
    uint32_t gradientBottom = 0;
    uint32_t channelFrame = 0;
    uint32_t levelStart = 0;
    uint32_t levelEnd = 0;
    uint32_t thumbBottom = 0;
    uint32_t outline = 0;
};

TrackBarPalette TrackBarColours(const TrackBarLookInput& look);

// Thumb bottom colours drawn over the plain thumb when focused, and when hot or pressed.
constexpr uint32_t kTrackBarFocusThumb = 0xFCDBB3; // RGB(179,219,252)
constexpr uint32_t kTrackBarHotThumb = 0xFFCD96;   // RGB(150,205,255)
