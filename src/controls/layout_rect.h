// A rectangle in pixels, as RECT holds it, for what is computed apart from GDI: layouts and placement.
#pragma once

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LayoutRect&) const = default;
};
