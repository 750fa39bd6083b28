#include "monitor/panel_levels.h"

#include <gtest/gtest.h>

TEST(PanelLevels, TheNearestAllowedLevelIsSetAndATieGoesToTheBrighter) {
    const std::vector<uint8_t> eleven{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    // Unsorted, as a driver may list them, with a gap.
    const std::vector<uint8_t> sparse{100, 5, 60, 33};
    struct Case {
        const std::vector<uint8_t>* levels;
        int wanted;
        uint8_t level;
    };
    for (const Case& c :
         {Case{&eleven, 0, 0}, Case{&eleven, 44, 40}, Case{&eleven, 45, 50}, Case{&eleven, 46, 50},
          Case{&eleven, 100, 100}, Case{&eleven, 130, 100}, Case{&eleven, -7, 0}, Case{&sparse, 0, 5},
          Case{&sparse, 19, 33}, Case{&sparse, 46, 33}, Case{&sparse, 47, 60}, Case{&sparse, 80, 100},
          Case{&sparse, 79, 60}}) {
        SCOPED_TRACE(testing::Message() << "wanted " << c.wanted);
        EXPECT_EQ(NearestPanelLevel(*c.levels, c.wanted), c.level);
    }
    EXPECT_EQ(NearestPanelLevel({}, 73), 73) << "no list: the value itself";
    EXPECT_EQ(NearestPanelLevel({}, 300), 100);
    EXPECT_EQ(NearestPanelLevel({42}, 0), 42);
}
