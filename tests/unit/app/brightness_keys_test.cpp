#include "app/brightness_keys.h"

#include <gtest/gtest.h>

namespace {

// The primary 1920 x 1080 at the origin, a second one to its right, a third below the primary.
std::vector<BrightnessKeyDisplay> ThreeDisplays() {
    return {{{0, 0, 1920, 1080}, true, 50, 50},
            {{1920, 0, 3200, 1024}, false, 50, 30},
            {{0, 1080, 1920, 2160}, true, 95, 50}};
}

} // namespace

TEST(BrightnessKeys, ThePointerPicksTheDisplayItIsOnOrElseTheNearest) {
    const auto displays = ThreeDisplays();
    struct Case {
        ScreenPoint pointer;
        std::size_t display;
    };
    for (const Case& c : {Case{{10, 10}, 0}, Case{{1919, 1079}, 0}, Case{{1920, 0}, 1}, Case{{5000, 500}, 1},
                          Case{{100, 1080}, 2}, Case{{2100, 2000}, 2}, Case{{-300, -20}, 0}}) {
        SCOPED_TRACE(testing::Message() << c.pointer.x << "," << c.pointer.y);
        EXPECT_EQ(DisplayUnderPointer(displays, c.pointer), c.display);
    }
    // Overlapping displays (both at the origin): the first in the list, the primary.
    const std::vector<BrightnessKeyDisplay> overlapping{{{0, 0, 1280, 800}}, {{0, 0, 1024, 768}}};
    EXPECT_EQ(DisplayUnderPointer(overlapping, {100, 100}), 0u);
    EXPECT_EQ(DisplayUnderPointer({}, {100, 100}), 0u);
}

TEST(BrightnessKeys, APressMovesEachDisplaysMonitorBrightnessOrElseItsVideoByOnePage) {
    const auto displays = ThreeDisplays();
    EXPECT_EQ(MovesForBrightnessKey(displays, BrightnessKey::Up, BrightnessKeyScope::AllDisplays, {10, 10}),
              (std::vector<BrightnessKeyMove>{{0, BrightnessKeySlider::MonitorBrightness, 40},
                                              {1, BrightnessKeySlider::VideoBrightness, 20},
                                              {2, BrightnessKeySlider::MonitorBrightness, 85}}));
    // Down near the dark end: 95 goes to 100, not past it.
    EXPECT_EQ(MovesForBrightnessKey(displays, BrightnessKey::Down, BrightnessKeyScope::AllDisplays, {10, 10}),
              (std::vector<BrightnessKeyMove>{{0, BrightnessKeySlider::MonitorBrightness, 60},
                                              {1, BrightnessKeySlider::VideoBrightness, 40},
                                              {2, BrightnessKeySlider::MonitorBrightness, 100}}));
}

TEST(BrightnessKeys, UnderThePointerOnlyThatDisplayMovesAndASliderAtItsEndSendsNothing) {
    auto displays = ThreeDisplays();
    EXPECT_EQ(MovesForBrightnessKey(displays, BrightnessKey::Up, BrightnessKeyScope::DisplayUnderPointer,
                                    {2000, 10}),
              (std::vector<BrightnessKeyMove>{{1, BrightnessKeySlider::VideoBrightness, 20}}));
    displays[2].brightnessPosition = 100;
    EXPECT_TRUE(MovesForBrightnessKey(displays, BrightnessKey::Down, BrightnessKeyScope::DisplayUnderPointer,
                                      {10, 2000})
                    .empty());
    displays[0].brightnessPosition = 0;
    displays[1].videoPosition = 0;
    displays[2].brightnessPosition = 4;
    EXPECT_EQ(MovesForBrightnessKey(displays, BrightnessKey::Up, BrightnessKeyScope::AllDisplays, {10, 10}),
              (std::vector<BrightnessKeyMove>{{2, BrightnessKeySlider::MonitorBrightness, 0}}));
    EXPECT_TRUE(
        MovesForBrightnessKey({}, BrightnessKey::Up, BrightnessKeyScope::AllDisplays, {0, 0}).empty());
}
