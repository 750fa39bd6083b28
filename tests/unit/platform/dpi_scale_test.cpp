#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>

TEST(DpiScale, RoundsToTheNearestPixelWithHalvesAwayFromZeroAsMulDiv) {
    struct Case {
        int value, dpi, expected;
    };
    const Case cases[] = {
        {294, 120, 368}, {398, 120, 498}, // 367.5 and 497.5 round up
        {294, 144, 441}, {398, 144, 597}, {294, 192, 588}, {398, 192, 796}, {2, 120, 3},
        {1, 144, 2},     {6, 120, 8},     {3, 120, 4},     {48, 120, 60},   {22, 168, 39},
        {-2, 120, -3},   {-1, 144, -2},   {-3, 120, -4}, // as MulDiv: away from zero, never toward +inf
        {0, 192, 0},     {7, 96, 7},      {-7, 96, -7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi << " DPI";
}

TEST(DpiScale, NoDpiMeansTheBaseScaleAndLargeValuesDoNotOverflow) {
    EXPECT_EQ(ScaleForDpi(294, 0), 294);
    EXPECT_EQ(ScaleForDpi(294, -120), 294);
    EXPECT_EQ(ScaleForDpi(INT_MAX / 4, 192), INT_MAX / 4 * 2);
}

TEST(DpiScale, ABoxKeepsItsSizeWhereverItStands) {
    // 6 and 102 both grow by 1.25, but a 90-wide box is 113 wide at either place.
    EXPECT_EQ(ScaleBox({6, 62, 90, 296}, 120), (ScaledBox{8, 78, 113, 370}));
    EXPECT_EQ(ScaleBox({102, 62, 90, 296}, 120), (ScaledBox{128, 78, 113, 370}));
    EXPECT_EQ(ScaleBox({6, 62, 90, 296}, 96), (ScaledBox{6, 62, 90, 296}));
}
