#include "app/window_placement.h"

#include <algorithm>

namespace {

// Keeps [start, start + size) inside [low, high); a window larger than the range keeps its low edge.
int KeepInside(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

ScreenPoint PlaceMainWindow(const LayoutRect& work, const std::optional<ScreenPoint>& cursor, int width,
                            int height) {
    ScreenPoint corner{work.right - width, work.bottom - height};
    if (cursor) {
        corner.x = cursor->x - width / 2;
        // The icon lies outside the work area on the taskbar's side; a cursor above the middle means the
        // taskbar is at the top (or hides there).
        if (cursor->y < work.top + (work.bottom - work.top) / 2)
            corner.y = work.top;
    }
    corner.x = KeepInside(corner.x, width, work.left, work.right);
    corner.y = KeepInside(corner.y, height, work.top, work.bottom);
    return corner;
}
