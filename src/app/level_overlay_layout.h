// The on-screen level a brightness key shows: where it stands on a display and how it is drawn, and how it
// fades. Pure: pixels and milliseconds only.
#pragma once

#include "controls/layout_rect.h"

struct LevelOverlayLayout {
    LayoutRect window; // on the screen
    // In the window's client area:
    LayoutRect bar;    // the whole track
    LayoutRect fill;   // the part of the track up to the level
    LayoutRect number; // the level as digits, right of the bar
    int fontHeight = 0;
};

// 96-DPI sizes of the level.
constexpr int kLevelOverlayWidth = 240;
constexpr int kLevelOverlayHeight = 44;
constexpr int kLevelOverlayBottomGap = 64; // above the bottom of the work area

// The level's window centred near the bottom of a display's work area, sized for its dpi, kept inside the
// work area where it is small; the bar filled to percent (held to 0..100).
LevelOverlayLayout LayOutLevelOverlay(const LayoutRect& workArea, int dpi, int percent);

// The window stays whole this long after the last press, then fades out and is gone at kLevelOverlayGoneMs.
constexpr int kLevelOverlayHoldMs = 1100;
constexpr int kLevelOverlayGoneMs = 1500;

// The window's opacity 0..255 this many milliseconds after the last press; 0 means it is gone.
int LevelOverlayAlpha(int msSinceLastPress);
