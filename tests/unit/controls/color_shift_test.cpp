#include "controls/color_shift.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr uint32_t Rgb(int r, int g, int b) {
    return MakeColour(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

struct ShiftCase {
    uint32_t colour;
    int16_t delta;
    bool lighten;
    bool grey;
    bool invert;
    uint32_t target;
    uint32_t expected;
};

class ColorShiftTable : public testing::TestWithParam<ShiftCase> {};

TEST_P(ColorShiftTable, GivesTheExpectedColour) {
    const ShiftCase& c = GetParam();
    EXPECT_EQ(ColorShift(c.colour, c.delta, c.lighten, c.grey, c.invert, c.target), c.expected)
        << std::hex << "colour 0x" << c.colour << " delta " << std::dec << c.delta;
}

INSTANTIATE_TEST_SUITE_P(
    ColorShift, ColorShiftTable,
    testing::Values(
        // plain mode: add and clamp to 1..255
        ShiftCase{Rgb(80, 80, 80), 14, false, false, false, 0, Rgb(94, 94, 94)},
        ShiftCase{Rgb(255, 255, 255), -40, false, false, false, 0, Rgb(215, 215, 215)},
        ShiftCase{Rgb(255, 255, 255), -44, false, false, false, 0, Rgb(211, 211, 211)},
        ShiftCase{Rgb(0, 0, 0), -2, false, false, false, 0, Rgb(1, 1, 1)},
        ShiftCase{Rgb(10, 200, 250), 20, false, false, false, 0, Rgb(30, 220, 255)},
        ShiftCase{Rgb(10, 200, 250), -20, false, false, false, 0, Rgb(1, 180, 230)},
        ShiftCase{Rgb(1, 2, 3), 0, false, false, false, 0, Rgb(1, 2, 3)},
        ShiftCase{Rgb(0, 7, 0), 0, false, false, false, 0, Rgb(1, 7, 1)},
        // plain mode with invert: clamped first, then mirrored
        ShiftCase{Rgb(100, 250, 0), 10, false, false, true, 0, Rgb(145, 0, 245)},
        // grey mode: 128 + delta whatever the colour
        ShiftCase{Rgb(0, 0, 0), 100, false, true, false, 0, Rgb(228, 228, 228)},
        ShiftCase{Rgb(12, 240, 77), 50, false, true, false, 0, Rgb(178, 178, 178)},
        ShiftCase{Rgb(3, 4, 5), -22, false, true, true, 0, Rgb(149, 149, 149)},
        ShiftCase{Rgb(255, 255, 255), -22, false, true, true, 0, Rgb(149, 149, 149)},
        ShiftCase{Rgb(9, 9, 9), -200, false, true, false, 0, Rgb(1, 1, 1)},
        // lighten mode: inverts above a sum of 620, else divides the distance to white
        ShiftCase{Rgb(210, 210, 210), 10, true, false, false, 0, Rgb(45, 45, 45)},
        ShiftCase{Rgb(201, 201, 201), 10, true, false, false, 0, Rgb(250, 250, 250)},
        ShiftCase{Rgb(207, 207, 206), 3, true, false, false, 0, Rgb(239, 239, 239)}, // sum 620: not inverted
        ShiftCase{Rgb(219, 219, 219), 6, true, false, false, 0, Rgb(36, 36, 36)},
        ShiftCase{Rgb(0, 100, 255), 2, true, false, false, 0, Rgb(128, 178, 255)},
        // target mode: steps of 4 x delta toward the target, never past it
        ShiftCase{Rgb(100, 100, 100), 2, false, false, false, Rgb(200, 50, 100), Rgb(108, 92, 100)},
        ShiftCase{Rgb(100, 100, 100), 20, false, false, false, Rgb(150, 60, 101), Rgb(150, 60, 101)},
        ShiftCase{Rgb(1, 2, 3), 22, false, false, false, Rgb(1, 2, 3), Rgb(1, 2, 3)},
        ShiftCase{Rgb(219, 219, 219), 0, false, false, false, Rgb(0, 120, 215), Rgb(219, 219, 219)},
        // the target wins over lighten
        ShiftCase{Rgb(100, 100, 100), 1, true, false, false, Rgb(0, 0, 1), Rgb(96, 96, 96)}));

TEST(ColorShift, PlainModeNeverGivesAZeroChannel) {
    for (int value = 0; value < 256; value += 5) {
        for (int delta : {-255, -100, -1, 0}) {
            const uint32_t shifted = ColorShift(MakeColour(value, value, value), static_cast<int16_t>(delta));
            EXPECT_GE(RedOf(shifted), 1);
            EXPECT_GE(GreenOf(shifted), 1);
            EXPECT_GE(BlueOf(shifted), 1);
            EXPECT_EQ(shifted >> 24, 0u);
        }
    }
}

TEST(ColorShift, TargetModeMovesTowardTheTargetWithoutPassingIt) {
    const uint32_t target = Rgb(40, 200, 120);
    uint32_t colour = Rgb(250, 10, 121);
    for (int tick = 0; tick < 40; ++tick) {
        const uint32_t next = ColorShift(colour, 3, false, false, false, target);
        EXPECT_LE(std::abs(RedOf(next) - 40), std::abs(RedOf(colour) - 40));
        EXPECT_GE(RedOf(next), 40);
        EXPECT_LE(GreenOf(next), 200);
        EXPECT_GE(BlueOf(next), 120);
        colour = next;
    }
    EXPECT_EQ(colour, target);
}

TEST(ColorShift, TargetStepIsFourTimesDeltaTakenAsAByte) {
    // 4 x 70 = 280 wraps to 24.
    EXPECT_EQ(ColorShift(Rgb(0, 0, 0), 70, false, false, false, Rgb(255, 255, 255)), Rgb(24, 24, 24));
}

TEST(ColorShift, LightenWithZeroDeltaLeavesTheColour) {
    EXPECT_EQ(ColorShift(Rgb(10, 20, 30), 0, true), Rgb(10, 20, 30));
}

TEST(ByteToColor16, PutsTheByteInTheHighHalf) {
    EXPECT_EQ(ByteToColor16(0), 0u);
    EXPECT_EQ(ByteToColor16(1), 0x100u);
    EXPECT_EQ(ByteToColor16(255), 0xFF00u);
}

TEST(Colour, ChannelsComeApartAsRedGreenBlue) {
    const uint32_t colour = Rgb(1, 2, 3);
    EXPECT_EQ(colour, 0x030201u);
    EXPECT_EQ(RedOf(colour), 1);
    EXPECT_EQ(GreenOf(colour), 2);
    EXPECT_EQ(BlueOf(colour), 3);
}

} // namespace
