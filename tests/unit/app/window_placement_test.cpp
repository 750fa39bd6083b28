#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 294;
constexpr int kHeight = 398;

struct Case {
    const char* name;
    LayoutRect work;
    ScreenPoint cursor;
    ScreenPoint expected;
};

TEST(WindowPlacement, NextToTheIconAndInsideTheWorkAreaForEveryTaskbarEdge) {
    // A 1920 x 1080 screen with a 40-pixel taskbar; the cursor is on the tray icon.
    const Case cases[] = {
        {"taskbar at the bottom, icon at the right",
         {0, 0, 1920, 1040},
         {1850, 1060},
         {1920 - 294, 1040 - 398}},
        {"taskbar at the bottom, icon mid-screen",
         {0, 0, 1920, 1040},
         {1000, 1060},
         {1000 - 147, 1040 - 398}},
        {"taskbar at the bottom, icon at the left", {0, 0, 1920, 1040}, {20, 1060}, {0, 1040 - 398}},
        {"taskbar at the top", {0, 40, 1920, 1080}, {1850, 20}, {1920 - 294, 40}},
        {"taskbar at the top, icon at the left", {0, 40, 1920, 1080}, {20, 20}, {0, 40}},
        {"taskbar at the left", {40, 0, 1920, 1080}, {20, 1050}, {40, 1080 - 398}},
        {"taskbar at the right", {0, 0, 1880, 1080}, {1900, 1050}, {1880 - 294, 1080 - 398}},
        // A second monitor left of the primary one has negative coordinates.
        {"monitor left of the primary", {-1280, 0, 0, 984}, {-1270, 1000}, {-1280, 984 - 398}},
    };
    for (const Case& c : cases) {
        const ScreenPoint corner = PlaceMainWindow(c.work, c.cursor, kWidth, kHeight);
        EXPECT_EQ(corner.x, c.expected.x) << c.name;
        EXPECT_EQ(corner.y, c.expected.y) << c.name;
        EXPECT_GE(corner.x, c.work.left) << c.name;
        EXPECT_LE(corner.x + kWidth, c.work.right) << c.name;
        EXPECT_GE(corner.y, c.work.top) << c.name;
        EXPECT_LE(corner.y + kHeight, c.work.bottom) << c.name;
    }
}

TEST(WindowPlacement, WithoutTheCursorTheBottomRightCorner) {
    const ScreenPoint corner = PlaceMainWindow({0, 0, 1024, 748}, std::nullopt, kWidth, kHeight);
    EXPECT_EQ(corner.x, 1024 - 294);
    EXPECT_EQ(corner.y, 748 - 398);
}

TEST(WindowPlacement, AWorkAreaSmallerThanTheWindowKeepsItsTopLeftCornerVisible) {
    const ScreenPoint corner = PlaceMainWindow({10, 20, 210, 320}, ScreenPoint{200, 330}, kWidth, kHeight);
    EXPECT_EQ(corner.x, 10);
    EXPECT_EQ(corner.y, 20);
}

} // namespace
