// Pixel sizes and positions at a display scale: every layout is made for 96 DPI and scaled by the DPI of
// the monitor its window is on.
#pragma once

constexpr int kBaseDpi = 96;

// value × dpi / 96 rounded to the nearest whole pixel, halves away from zero (as MulDiv rounds), so
// 294 at 120 DPI is 368. A DPI of 0 or less counts as 96.
int ScaleForDpi(int value, int dpi);

// A box at 96 DPI: position and size. Scaled, its position and its size are each scaled on their own, so
// a control keeps its size wherever it stands.
struct ScaledBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScaledBox&) const = default;
};

ScaledBox ScaleBox(const ScaledBox& box, int dpi);
