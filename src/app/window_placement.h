// Where the main window goes: next to the notification-area icon, inside the work area.
#pragma once

#include <optional>

#include "controls/layout_rect.h"

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The top-left corner for a window of width x height. Without a cursor: the bottom-right corner of the work
// area. With one (the tray icon's position): centred on it horizontally, at the bottom of the work area, or
// at its top when the cursor is in the upper half (a taskbar at the top); never outside the work area.
ScreenPoint PlaceMainWindow(const LayoutRect& work, const std::optional<ScreenPoint>& cursor, int width,
                            int height);
