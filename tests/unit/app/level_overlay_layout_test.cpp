#include "app/level_overlay_layout.h"

#include <gtest/gtest.h>

TEST(LevelOverlayLayout, StandsCentredNearTheBottomOfItsDisplaysWorkAreaAtThatDisplaysScale) {
    // A second display left of the primary, with a taskbar of 40 pixels at its bottom.
    const LayoutRect work{-1920, 0, 0, 1040};
    const LevelOverlayLayout at96 = LayOutLevelOverlay(work, 96, 50);
    EXPECT_EQ(at96.window, (LayoutRect{-1080, 1040 - 64 - 44, -1080 + 240, 1040 - 64}));
    const LevelOverlayLayout at144 = LayOutLevelOverlay(work, 144, 50);
    EXPECT_EQ(at144.window, (LayoutRect{-960 - 180, 1040 - 96 - 66, -960 + 180, 1040 - 96}));
    EXPECT_EQ(at144.fontHeight, 33);
    // The parts stay inside the window and apart at both scales.
    for (const LevelOverlayLayout& layout : {at96, at144}) {
        const int width = layout.window.right - layout.window.left;
        const int height = layout.window.bottom - layout.window.top;
        EXPECT_GT(layout.bar.left, 0);
        EXPECT_LE(layout.bar.right, layout.number.left);
        EXPECT_LE(layout.number.right, width);
        EXPECT_GT(layout.bar.top, 0);
        EXPECT_LT(layout.bar.bottom, height);
        EXPECT_LE(layout.fontHeight, height);
    }
}

TEST(LevelOverlayLayout, ASmallWorkAreaKeepsTheLevelInsideIt) {
    const LevelOverlayLayout layout = LayOutLevelOverlay({100, 200, 300, 260}, 96, 10);
    EXPECT_EQ(layout.window.left, 100);
    EXPECT_EQ(layout.window.top, 200);
}

TEST(LevelOverlayLayout, TheBarIsFilledToTheLevelHeldToItsRange) {
    const LayoutRect work{0, 0, 1280, 800};
    const struct {
        int percent;
        int filled; // of the bar's 168 pixels at 96 DPI
    } cases[] = {{0, 0}, {100, 168}, {50, 84}, {30, 50}, {-20, 0}, {130, 168}};
    for (const auto& c : cases) {
        const LevelOverlayLayout layout = LayOutLevelOverlay(work, 96, c.percent);
        ASSERT_EQ(layout.bar.right - layout.bar.left, 168);
        EXPECT_EQ(layout.fill.left, layout.bar.left) << c.percent;
        EXPECT_EQ(layout.fill.right - layout.fill.left, c.filled) << c.percent;
        EXPECT_EQ(layout.fill.top, layout.bar.top);
        EXPECT_EQ(layout.fill.bottom, layout.bar.bottom);
    }
}

TEST(LevelOverlayLayout, StaysWholeThenFadesAndIsGoneAboutOneAndAHalfSecondsAfterTheLastPress) {
    EXPECT_EQ(LevelOverlayAlpha(0), 255);
    EXPECT_EQ(LevelOverlayAlpha(kLevelOverlayHoldMs - 1), 255);
    EXPECT_LT(LevelOverlayAlpha(kLevelOverlayHoldMs + 200), 255);
    EXPECT_GT(LevelOverlayAlpha(kLevelOverlayHoldMs + 200), 0);
    EXPECT_GT(LevelOverlayAlpha(kLevelOverlayGoneMs - 1), 0) << "0 would mean gone before its time";
    EXPECT_EQ(LevelOverlayAlpha(kLevelOverlayGoneMs), 0);
    EXPECT_EQ(LevelOverlayAlpha(60000), 0);
    int last = 255;
    for (int ms = kLevelOverlayHoldMs; ms < kLevelOverlayGoneMs; ms += 16) {
        EXPECT_LE(LevelOverlayAlpha(ms), last) << ms;
        last = LevelOverlayAlpha(ms);
    }
}
