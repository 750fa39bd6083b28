// What a "Brightness up" or "Brightness down" key press moves: pure decisions, no windows.
#pragma once

#include <cstddef>
#include <vector>

#include "app/window_placement.h"
#include "controls/layout_rect.h"

enum class BrightnessKey { Up, Down };

// Every display, or only the one under the pointer (the user's choice).
enum class BrightnessKeyScope { AllDisplays, DisplayUnderPointer };

// One display as the keys see it, in the window's group order.
struct BrightnessKeyDisplay {
    LayoutRect desktopRect;
    // Its monitor brightness can be set (DDC/CI that answers, or a panel's backlight); otherwise the key
    // moves its video brightness.
    bool hasMonitorBrightness = false;
    int brightnessPosition = 50; // slider positions 0..100, brighter towards 0
    int videoPosition = 50;
};

enum class BrightnessKeySlider { MonitorBrightness, VideoBrightness };

struct BrightnessKeyMove {
    std::size_t display = 0; // index into the list given
    BrightnessKeySlider slider = BrightnessKeySlider::MonitorBrightness;
    int position = 0; // the slider's new position
    bool operator==(const BrightnessKeyMove&) const = default;
};

// A press moves by one page of the sliders.
constexpr int kBrightnessKeyStep = 10;

// The display the pointer is on: the first whose rectangle holds it (so the primary wins where displays
// overlap), else the nearest one, as the system's "nearest monitor" rule picks it. Empty list: 0.
std::size_t DisplayUnderPointer(const std::vector<BrightnessKeyDisplay>& displays, ScreenPoint pointer);

// The sliders one press moves, each by one page towards brighter (Up) or darker (Down) and kept inside
// 0..100. A slider already at its end is left out, so nothing is sent for it.
std::vector<BrightnessKeyMove> MovesForBrightnessKey(const std::vector<BrightnessKeyDisplay>& displays,
                                                     BrightnessKey key, BrightnessKeyScope scope,
                                                     ScreenPoint pointer);
