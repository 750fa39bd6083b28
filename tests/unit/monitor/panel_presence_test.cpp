#include "monitor/panel_presence.h"

#include <gtest/gtest.h>

TEST(PanelPresence, OnlyAnInternalConnectorOrABatteryStartsWmi) {
    constexpr uint32_t kHdmi = 5;
    constexpr uint32_t kDisplayPortExternal = 10;
    constexpr uint32_t kOther = 0xFFFFFFFFu; // DISPLAYCONFIG_OUTPUT_TECHNOLOGY_OTHER
    constexpr uint8_t kHighCharge = 1;
    constexpr uint8_t kCharging = 8;
    constexpr uint8_t kUnknown = 255;
    struct Case {
        std::vector<uint32_t> technologies;
        uint8_t battery;
        bool asked;
    };
    for (const Case& c : {
             // A desktop with external monitors only: no COM at all.
             Case{{kHdmi, kDisplayPortExternal}, kBatteryFlagNoBattery, false},
             Case{{}, kBatteryFlagNoBattery, false},
             Case{{kOther}, kUnknown, false}, // "unknown" carries the no-battery bit: not a battery
             // The panel's own connector, whichever of the four it reports, with or without a battery.
             Case{{kHdmi, kOutputTechnologyInternal}, kBatteryFlagNoBattery, true},
             Case{{kOutputTechnologyLvds}, kBatteryFlagNoBattery, true},
             Case{{kOutputTechnologyDisplayPortEmbedded}, kBatteryFlagNoBattery, true},
             Case{{kOutputTechnologyUdiEmbedded}, kBatteryFlagNoBattery, true},
             // A laptop that calls its panel external still has a battery; 0 is a battery at medium charge.
             Case{{kDisplayPortExternal}, 0, true},
             Case{{kHdmi}, kHighCharge | kCharging, true},
         }) {
        SCOPED_TRACE(testing::Message()
                     << "battery " << int(c.battery) << ", paths " << c.technologies.size());
        EXPECT_EQ(MayHaveBuiltInPanel(c.technologies, c.battery), c.asked);
    }
}

TEST(PanelPresence, OnlyTryLaterIsAskedAgainAndOnlyABoundedNumberOfTimes) {
    EXPECT_TRUE(AskPanelAgain(PanelResult::TryLater, 1, kPanelFindAttempts));
    EXPECT_TRUE(AskPanelAgain(PanelResult::TryLater, kPanelFindAttempts - 1, kPanelFindAttempts));
    EXPECT_FALSE(AskPanelAgain(PanelResult::TryLater, kPanelFindAttempts, kPanelFindAttempts));
    for (PanelResult settled : {PanelResult::Done, PanelResult::NoPanel, PanelResult::Failed})
        EXPECT_FALSE(AskPanelAgain(settled, 1, kPanelFindAttempts));
}
