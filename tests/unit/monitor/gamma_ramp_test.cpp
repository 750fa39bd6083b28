#include "monitor/gamma_ramp.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

struct RampRow {
    int level;
    int offset;
    int extraStep;
    float exponent;
    std::array<uint16_t, 9> entries; // at i = 1, 2, 16, 32, 64, 128, 192, 254, 255
};

constexpr std::array<int, 9> kSampleIndices{1, 2, 16, 32, 64, 128, 192, 254, 255};

const RampRow kRows[] = {
    {50, 25, 4, 0.86842108f, {8925, 9180, 13260, 17850, 26265, 42330, 57120, 65025, 65025}},
    {10, 5, 1, 0.97368419f, {1785, 2040, 5610, 9945, 18360, 34680, 50745, 65025, 65025}},
    {0, 0, 0, 1.0f, {255, 510, 4080, 8160, 16320, 32640, 48960, 64770, 65025}},
    {1, 0, 0, 1.0f, {255, 510, 4080, 8160, 16320, 32640, 48960, 64770, 65025}},
    {-1, -2, 0, 1.01052630f, {0, 0, 3570, 7395, 15555, 31875, 48195, 64260, 64515}},
    {-25, -45, 6, 1.23684216f, {0, 0, 0, 0, 2805, 16830, 34170, 52530, 52785}},
    {-50, -90, 6, 1.47368419f, {0, 0, 0, 0, 0, 4335, 17850, 35700, 35955}},
};

TEST(GammaRamp, KnownLevelsGiveTheTabulatedParametersAndEntries) {
    for (const RampRow& row : kRows) {
        SCOPED_TRACE(row.level);
        const GammaParameters p = ComputeGammaParameters(row.level);
        EXPECT_EQ(p.offset, row.offset);
        EXPECT_EQ(p.span, 255 + row.extraStep);
        EXPECT_FLOAT_EQ(p.exponent, row.exponent);
        const GammaRamp ramp = BuildGammaRamp(p);
        for (std::size_t k = 0; k < kSampleIndices.size(); ++k) {
            const int i = kSampleIndices[k];
            EXPECT_EQ(ramp[i], row.entries[k]) << "entry " << i;
            EXPECT_EQ(ramp[256 + i], row.entries[k]) << "green entry " << i;
            EXPECT_EQ(ramp[512 + i], row.entries[k]) << "blue entry " << i;
        }
    }
}

TEST(GammaRamp, EveryLevelStartsAtZeroAndNeverExceedsFullScale) {
    for (int level = -50; level <= 50; ++level) {
        const GammaRamp ramp = BuildGammaRamp(ComputeGammaParameters(level));
        EXPECT_EQ(ramp[0], 0) << level;
        EXPECT_EQ(ramp[256], 0) << level;
        EXPECT_EQ(ramp[512], 0) << level;
        for (int i = 1; i < 256; ++i) {
            ASSERT_LE(ramp[i], 65025) << "level " << level << " entry " << i;
            ASSERT_GE(ramp[i], ramp[i - 1]) << "ramp must not fall, level " << level << " entry " << i;
            ASSERT_EQ(ramp[i] % 255, 0) << "entries are multiples of 255";
        }
    }
}

TEST(GammaRamp, DarkeningLevelsZeroTheLowestEntries) {
    const GammaRamp darkest = BuildGammaRamp(ComputeGammaParameters(-50));
    for (int i = 0; i <= 91; ++i)
        EXPECT_EQ(darkest[i], 0) << i;
    EXPECT_EQ(darkest[92], 255);

    const GammaRamp slightlyDark = BuildGammaRamp(ComputeGammaParameters(-1));
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(slightlyDark[i], 0) << i;
    EXPECT_GT(slightlyDark[3], 0);
}

TEST(GammaRamp, NeutralLevelIsTheLinearRampNotTheSystemDefault) {
    const GammaRamp neutral = BuildGammaRamp(ComputeGammaParameters(0));
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(neutral[i], 255 * i) << i;
}

TEST(GammaRamp, ExtraStepRoundsHalfToEvenAndCapsAtSix) {
    // −a/6 = 7.5 at level −25 rounds to 8, which is above 7 and so becomes 6.
    EXPECT_EQ(ComputeGammaParameters(-25).span, 261);
    // −a/6 = 2.5 (a = −15 is not reachable) — check reachable halves: level 30 gives a = 15, 15/6 = 2.5 → 2.
    EXPECT_EQ(ComputeGammaParameters(30).span, 257);
    // level 42 gives a = 21, 21/6 = 3.5 → 4.
    EXPECT_EQ(ComputeGammaParameters(42).span, 259);
}

} // namespace
