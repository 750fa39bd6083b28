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
