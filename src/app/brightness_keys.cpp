#include "app/brightness_keys.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "monitor/channels.h"

namespace {

bool Holds(const LayoutRect& rect, ScreenPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Squared distance from the point to the rectangle's nearest edge, 0 inside.
int64_t DistanceSquared(const LayoutRect& rect, ScreenPoint point) {
    const int64_t dx = point.x < rect.left     ? int64_t{rect.left} - point.x
                       : point.x >= rect.right ? int64_t{point.x} - (rect.right - 1)
                                               : 0;
    const int64_t dy = point.y < rect.top       ? int64_t{rect.top} - point.y
                       : point.y >= rect.bottom ? int64_t{point.y} - (rect.bottom - 1)
                                                : 0;
    return dx * dx + dy * dy;
}

} // namespace

std::size_t DisplayUnderPointer(const std::vector<BrightnessKeyDisplay>& displays, ScreenPoint pointer) {
    std::size_t nearest = 0;
    int64_t nearestDistance = std::numeric_limits<int64_t>::max();
    for (std::size_t i = 0; i < displays.size(); ++i) {
        if (Holds(displays[i].desktopRect, pointer))
            return i;
        const int64_t distance = DistanceSquared(displays[i].desktopRect, pointer);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::vector<BrightnessKeyMove> MovesForBrightnessKey(const std::vector<BrightnessKeyDisplay>& displays,
                                                     BrightnessKey key, BrightnessKeyScope scope,
                                                     ScreenPoint pointer) {
    std::vector<BrightnessKeyMove> moves;
    if (displays.empty())
        return moves;
    // Brighter is towards position 0 for both sliders: the monitor value is 100 - position, the video level
    // 50 - position.
    const int step = key == BrightnessKey::Up ? -kBrightnessKeyStep : kBrightnessKeyStep;
    const std::size_t only = DisplayUnderPointer(displays, pointer);
    for (std::size_t i = 0; i < displays.size(); ++i) {
        if (scope == BrightnessKeyScope::DisplayUnderPointer && i != only)
            continue;
        const BrightnessKeyDisplay& display = displays[i];
        const BrightnessKeySlider slider = display.hasMonitorBrightness
                                               ? BrightnessKeySlider::MonitorBrightness
                                               : BrightnessKeySlider::VideoBrightness;
        const int from = slider == BrightnessKeySlider::MonitorBrightness ? display.brightnessPosition
                                                                          : display.videoPosition;
        const int to = std::clamp(from + step, kSliderMin, kSliderMax);
        if (to != from)
            moves.push_back({i, slider, to});
    }
    return moves;
}
