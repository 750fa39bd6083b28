#include "monitor/channels.h"

#include <gtest/gtest.h>

TEST(Channels, PositionsMapToMonitorValuesAndBack) {
    EXPECT_EQ(ClampMonitorValue(MonitorValueFromPosition(0)), 100);
    EXPECT_EQ(ClampMonitorValue(MonitorValueFromPosition(100)), 1) << "position 100 must send 1, never 0";
    EXPECT_EQ(MonitorValueFromPosition(50), 50);
    EXPECT_EQ(MonitorValueFromPosition(30), 70);
    EXPECT_EQ(PositionFromMonitorValue(150), 50) << "a monitor reporting 150 puts the slider at 50";
    EXPECT_EQ(PositionFromMonitorValue(100), 0);
    EXPECT_EQ(PositionFromMonitorValue(0), 100);
    EXPECT_EQ(PositionFromMonitorValue(30), 70);
}

TEST(Channels, VideoLevelIsSignedAroundTheMiddle) {
    EXPECT_EQ(VideoLevelFromPosition(50), 0);
    EXPECT_EQ(VideoLevelFromPosition(0), 50);
    EXPECT_EQ(VideoLevelFromPosition(100), -50);
}

TEST(RequestDropping, EqualRequestIsDroppedAndADifferentOneSentAgain) {
    MonitorRequestMemory last;
    EXPECT_EQ(AcceptMonitorRequest(last, 40), std::optional<uint8_t>(40));
    EXPECT_EQ(AcceptMonitorRequest(last, 40), std::nullopt);
    EXPECT_EQ(AcceptMonitorRequest(last, 60), std::optional<uint8_t>(60));
    EXPECT_EQ(AcceptMonitorRequest(last, 40), std::optional<uint8_t>(40));
}

TEST(RequestDropping, FirstRequestOfZeroIsSentAndRepeatingItIsDropped) {
    MonitorRequestMemory last;
    EXPECT_EQ(AcceptMonitorRequest(last, 0), std::optional<uint8_t>(1)) << "nothing was sent yet";
    EXPECT_EQ(last, std::optional<uint8_t>(0));
    EXPECT_EQ(AcceptMonitorRequest(last, 0), std::nullopt);
    last.reset(); // forgotten, as after a factory reset
    EXPECT_EQ(AcceptMonitorRequest(last, 0), std::optional<uint8_t>(1));
}

TEST(RequestDropping, ZeroAfterNonZeroSendsOneAndAFollowingOneIsSentAgain) {
    MonitorRequestMemory last;
    ASSERT_TRUE(AcceptMonitorRequest(last, 30));
    EXPECT_EQ(AcceptMonitorRequest(last, 0), std::optional<uint8_t>(1));
    EXPECT_EQ(last, 0) << "the request is remembered before clamping";
    EXPECT_EQ(AcceptMonitorRequest(last, 1), std::optional<uint8_t>(1));
}

TEST(RequestDropping, ValuesAboveOneHundredAreClamped) {
    MonitorRequestMemory last;
    EXPECT_EQ(AcceptMonitorRequest(last, 200), std::optional<uint8_t>(100));
    EXPECT_EQ(last, 200);
}

namespace {

// What the monitor receives for a slider position, as the request path computes it.
uint32_t SentForPosition(int position, uint32_t maximum) {
    MonitorRequestMemory last;
    return MonitorValueForMaximum(*AcceptMonitorRequest(last, MonitorValueFromPosition(position)), maximum);
}

// Where the slider stands for a value read from the monitor.
int PositionForRead(uint32_t value, uint32_t maximum) {
    return PositionFromMonitorValue(PercentFromMonitorValue(value, maximum));
}

} // namespace

TEST(ReportedMaximum, PositionsAreSentScaledToTheMaximumRoundedToTheNearest) {
    const struct {
        uint32_t maximum;
        int position;
        uint32_t sent;
    } cases[] = {
        {50, 0, 50},    // the top of the slider sends the maximum, not 100
        {50, 20, 40},   // slider value 80
        {50, 50, 25},   //
        {50, 59, 21},   // 41 % is 20.5: halves go up
        {50, 99, 1},    // 1 % is 0.5
        {50, 100, 1},   // the clamp floor: 0 % is sent as 1 %
        {100, 0, 100},  // 100 as today
        {100, 30, 70},  //
        {100, 100, 1},  //
        {0, 0, 100},    // no maximum reported: percentages as today
        {0, 100, 1},    //
        {255, 0, 255},  //
        {255, 50, 128}, // 127.5
        {255, 90, 26},  // 25.5
        {255, 99, 3},   // 2.55
        {255, 100, 3},  // the floor of 1 % is 2.55 too
        {500, 0, 500},  //
        {500, 50, 250}, //
        {500, 99, 5},   //
        {500, 100, 5},  //
        {10, 96, 1},    // 0.4 rounds to 0, yet a monitor never gets 0
        {10, 85, 2},    // 1.5
    };
    for (const auto& c : cases)
        EXPECT_EQ(SentForPosition(c.position, c.maximum), c.sent)
            << "maximum " << c.maximum << ", position " << c.position;
}

TEST(ReportedMaximum, ReadValuesShowAsPercentagesOfTheMaximum) {
    const struct {
        uint32_t maximum;
        uint32_t value;
        int position; // the slider shows 100 - position
    } cases[] = {
        {50, 40, 20},   // 40 of 50 shows 80
        {50, 50, 0},    //
        {50, 0, 100},   //
        {50, 1, 98},    //
        {50, 70, 0},    // above the maximum counts as the maximum
        {100, 70, 30},  // as today
        {100, 150, 50}, // as today: 150 puts the slider at 50
        {0, 70, 30},    //
        {0, 150, 50},   //
        {200, 1, 99},   // 0.5 %: halves go up
        {255, 255, 0},  //
        {255, 128, 50}, // 50.2 %
        {255, 2, 99},   // 0.78 %
        {255, 1, 100},  // 0.39 %
        {500, 250, 50}, //
        {500, 498, 0},  // 99.6 %
        {500, 497, 1},  // 99.4 %
        {500, 3, 99},   //
        {500, 2, 100},  //
        {500, 4000000000u, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionForRead(c.value, c.maximum), c.position)
            << "maximum " << c.maximum << ", value " << c.value;
}

TEST(ReportedMaximum, AMonitorFinerThanPercentReadsBackWhereItsSliderWasLeft) {
    for (const uint32_t maximum : {100u, 255u, 500u, 1000u})
        for (int position = 0; position < 100; ++position) // position 100 sends the floor, not 0
            EXPECT_EQ(PositionForRead(SentForPosition(position, maximum), maximum), position)
                << "maximum " << maximum;
}
