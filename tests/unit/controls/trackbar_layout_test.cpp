#include "controls/trackbar_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "controls/color_shift.h"

namespace {

std::vector<int> YsOfWidth(const std::vector<ScaleLine>& lines, int x2) {
    std::vector<int> ys;
    for (const ScaleLine& line : lines) {
        if (line.x2 == x2)
            ys.push_back(line.y);
    }
    return ys;
}

TEST(TrackBarScale, HasEndLinesAndThreeTickSetsInDrawingOrder) {
    const std::vector<ScaleLine> lines = TrackBarScaleLines(15, 281);
    ASSERT_EQ(lines.size(), 2u + 39u + 19u + 9u);
    EXPECT_EQ(lines.front(), (ScaleLine{4, 15, 26})); // channel top + 12, one above
    EXPECT_EQ(lines.back(), (ScaleLine{4, 15, 269})); // channel bottom - 12
    EXPECT_EQ(lines[1].x2, 8);
    EXPECT_EQ(lines[39].x2, 8);
    EXPECT_EQ(lines[40].x2, 10);
    EXPECT_EQ(lines[58].x2, 10);
    EXPECT_EQ(lines[59].x2, 15);
    EXPECT_EQ(lines[67].x2, 15);
    for (const ScaleLine& line : lines)
        EXPECT_EQ(line.x1, 4);
}

TEST(TrackBarScale, TickPositionsForAKnownChannel) {
    // Channel 15..281: scale 27..269, span 243; ticks count from 24, not from the top line.
    const std::vector<ScaleLine> lines = TrackBarScaleLines(15, 281);
    const std::vector<ScaleLine> shortTicks(lines.begin() + 1, lines.begin() + 40);
    std::vector<int> shortYs;
    for (const ScaleLine& line : shortTicks)
        shortYs.push_back(line.y);
    EXPECT_EQ(shortYs[0], 30);   // 24 + 6.075
    EXPECT_EQ(shortYs[1], 36);   // 24 + 12.15
    EXPECT_EQ(shortYs[19], 146); // 24 + 121.5, a tie that goes to the even 146
    EXPECT_EQ(shortYs[38], 261); // 24 + 236.925

    const std::vector<int> middleYs(YsOfWidth(lines, 10));
    ASSERT_EQ(middleYs.size(), 19u);
    EXPECT_EQ(middleYs[0], 36);   // 24 + 12.15
    EXPECT_EQ(middleYs[9], 146);  // 24 + 121.5
    EXPECT_EQ(middleYs[18], 255); // 24 + 230.85

    std::vector<int> longYs(YsOfWidth(lines, 15));
    longYs.erase(longYs.begin());
    longYs.pop_back();
    EXPECT_EQ(longYs, (std::vector<int>{48, 73, 97, 121, 146, 170, 194, 218, 243}));
}

TEST(TrackBarScale, TiesRoundToEvenInBothDirections) {
    // Span 244: short tick 5 sits at 24 + 30.5 and goes down to 54; tick 15 at 24 + 91.5 goes up to 116.
    const std::vector<ScaleLine> lines = TrackBarScaleLines(0, 267);
    EXPECT_EQ(lines[5].y, 54);
    EXPECT_EQ(lines[15].y, 116);
}

TEST(TrackBarScale, CoarserTicksFallOnFinerOnes) {
    const std::vector<ScaleLine> lines = TrackBarScaleLines(17, 279);
    const std::vector<int> shortYs = YsOfWidth(lines, 8);
    const std::set<int> shortSet(shortYs.begin(), shortYs.end());
    for (int y : YsOfWidth(lines, 10))
        EXPECT_TRUE(shortSet.count(y)) << y;
    EXPECT_TRUE(std::is_sorted(shortYs.begin(), shortYs.end()));
}

TEST(RoundHalfEven, RoundsToNearestWithTiesToEven) {
    EXPECT_EQ(RoundHalfEven(5, 2), 2);
    EXPECT_EQ(RoundHalfEven(7, 2), 4);
    EXPECT_EQ(RoundHalfEven(-5, 2), -2);
    EXPECT_EQ(RoundHalfEven(-7, 2), -4);
    EXPECT_EQ(RoundHalfEven(11, 4), 3);
    EXPECT_EQ(RoundHalfEven(9, 4), 2);
    EXPECT_EQ(RoundHalfEven(-9, 4), -2);
    EXPECT_EQ(RoundHalfEven(0, 40), 0);
}

TEST(TrackBarLayout, CaptionMovesUpWithoutAGlyph) {
    EXPECT_EQ(TrackBarCaptionRect(296, true), (LayoutRect{79, 37, 327, 296}));
    EXPECT_EQ(TrackBarCaptionRect(296, false), (LayoutRect{79, 14, 350, 296}));
    EXPECT_EQ(TrackBarGlyphRect(296), (LayoutRect{60, 10, 256, 296}));
}

TEST(TrackBarLayout, LevelBarRunsFromTheThumbInsideTheChannelFrame) {
    const LayoutRect channel{30, 15, 60, 281};
    EXPECT_EQ(TrackBarChannelFrame(channel), (LayoutRect{38, 15, 52, 281}));
    EXPECT_EQ(TrackBarLevelRect(channel, 140), (LayoutRect{40, 140, 50, 279}));
}

TEST(TrackBarLayout, ShownValueGrowsUpward) {
    EXPECT_EQ(TrackBarShownValue(0, false), 100);
    EXPECT_EQ(TrackBarShownValue(100, false), 0);
    EXPECT_EQ(TrackBarShownValue(37, false), 63);
    EXPECT_EQ(TrackBarShownValue(0, true), 50);
    EXPECT_EQ(TrackBarShownValue(50, true), 0);
    EXPECT_EQ(TrackBarShownValue(100, true), -50);
}

TEST(TrackBarColours, EnabledUsesTheAccentAndLightensTextWhenFocused) {
    TrackBarLookInput look{true,
                           false,
                           MakeColour(248, 248, 248),
                           MakeColour(255, 255, 255),
                           MakeColour(80, 80, 80),
                           MakeColour(250, 250, 250)};
    TrackBarPalette palette = TrackBarColours(look);
    EXPECT_EQ(palette.fill, MakeColour(248, 248, 248));
    EXPECT_EQ(palette.text, MakeColour(80, 80, 80));
    EXPECT_EQ(palette.backgroundSolid, MakeColour(253, 253, 253));
    EXPECT_EQ(palette.channelFrame, MakeColour(215, 215, 215));
    EXPECT_EQ(palette.thumbBottom, MakeColour(226, 226, 226));
    EXPECT_EQ(palette.levelStart, MakeColour(252, 252, 252));
    EXPECT_EQ(palette.levelEnd, MakeColour(246, 246, 246));

    look.focused = true;
    palette = TrackBarColours(look);
    EXPECT_EQ(palette.text, MakeColour(94, 94, 94));
    EXPECT_EQ(palette.backgroundSolid, MakeColour(255, 255, 255));
}

TEST(TrackBarColours, DisabledUsesTheDisabledFillOrDerivesOne) {
    TrackBarLookInput look{false,
                           false,
                           MakeColour(248, 248, 248),
                           MakeColour(245, 248, 250),
                           MakeColour(80, 80, 80),
                           MakeColour(250, 250, 250)};
    TrackBarPalette palette = TrackBarColours(look);
    EXPECT_EQ(palette.fill, MakeColour(250, 250, 250));
    EXPECT_EQ(palette.text, MakeColour(208, 208, 208));

    look.disabledFill = 0;
    palette = TrackBarColours(look);
    EXPECT_EQ(palette.fill, MakeColour(233, 236, 238));
    EXPECT_EQ(palette.text, MakeColour(149, 149, 149));
}

TEST(TrackBarColours, BlackBackgroundStillGivesChannelsOfOne) {
    const TrackBarPalette palette = TrackBarColours({false, false, 0, 0, 0, 0});
    EXPECT_EQ(palette.fill, MakeColour(1, 1, 1));
    EXPECT_EQ(palette.channelFrame, MakeColour(1, 1, 1));
    EXPECT_EQ(palette.backgroundSolid, MakeColour(1, 1, 1));
}

} // namespace

TEST(TrackBarLayout, AtTwiceTheScaleEveryPartIsTwiceAsLargeAndAsFarIn) {
    // The slider at 192 DPI is 592 high; its channel runs from 30 to 562 (15 and 281 at 96 DPI).
    EXPECT_EQ(TrackBarCaptionRect(592, true, 192), (LayoutRect{158, 74, 654, 592}));
    EXPECT_EQ(TrackBarGlyphRect(592, 192), (LayoutRect{120, 20, 512, 592}));
    const LayoutRect channel{60, 30, 120, 562};
    EXPECT_EQ(TrackBarChannelFrame(channel, 192), (LayoutRect{76, 30, 104, 562}));
    EXPECT_EQ(TrackBarLevelRect(channel, 280, 192), (LayoutRect{80, 280, 100, 558}));

    const std::vector<ScaleLine> base = TrackBarScaleLines(15, 281);
    const std::vector<ScaleLine> twice = TrackBarScaleLines(30, 562, 192);
    ASSERT_EQ(twice.size(), base.size());
    for (std::size_t i = 0; i < base.size(); ++i) {
        EXPECT_EQ(twice[i].x1, 2 * base[i].x1) << i;
        EXPECT_EQ(twice[i].x2, 2 * base[i].x2) << i;
        EXPECT_NEAR(twice[i].y, 2 * base[i].y, 2) << i; // the ticks keep their place along the channel
    }
}
