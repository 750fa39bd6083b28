#include "controls/main_window_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

std::vector<ScaledBox> Controls(const MainWindowLayout& layout) {
    return {layout.brightnessSlider, layout.contrastSlider, layout.videoSlider, layout.resetButton,
            layout.menuButton};
}

} // namespace

TEST(MainWindowLayout, At96DpiEverythingStandsWhereItAlwaysHas) {
    const MainWindowLayout layout = LayoutMainWindow(96);
    EXPECT_EQ(layout.width, 294);
    EXPECT_EQ(layout.height, 398);
    EXPECT_EQ(layout.brightnessSlider, (ScaledBox{6, 62, 90, 296}));
    EXPECT_EQ(layout.contrastSlider, (ScaledBox{102, 62, 90, 296}));
    EXPECT_EQ(layout.videoSlider, (ScaledBox{198, 62, 90, 296}));
    EXPECT_EQ(layout.resetButton, (ScaledBox{6, 369, 158, 24}));
    EXPECT_EQ(layout.menuButton, (ScaledBox{170, 369, 118, 24}));
    EXPECT_EQ(layout.thumbLength, 48);
    EXPECT_EQ(layout.headerBottom, 55);
    EXPECT_EQ(layout.bodyBottom, 412);
    EXPECT_EQ(layout.footerTop, 365);
    EXPECT_EQ(layout.footerBottom, 430);
    EXPECT_EQ(layout.frameTop, 54);
    EXPECT_EQ(layout.titleShadow, (LayoutRect{4, 14, 294, 48}));
    EXPECT_EQ(layout.title, (LayoutRect{0, 10, 294, 48}));
    EXPECT_EQ(layout.captionFontHeight, 16);
    EXPECT_EQ(layout.glyphFontHeight, 22);
    EXPECT_EQ(layout.titleFontHeight, 24);
    EXPECT_EQ(layout.buttonFontHeight, 16);
}

TEST(MainWindowLayout, ScaledWindowKeepsEveryControlInsideAndInItsRelativePlace) {
    struct Scale {
        int dpi, width, height;
    };
    const MainWindowLayout base = LayoutMainWindow(96);
    for (const Scale& s : {Scale{120, 368, 498}, Scale{144, 441, 597}, Scale{192, 588, 796}}) {
        SCOPED_TRACE(s.dpi);
        const MainWindowLayout layout = LayoutMainWindow(s.dpi);
        EXPECT_EQ(layout.width, s.width);
        EXPECT_EQ(layout.height, s.height);
        const auto controls = Controls(layout);
        const auto baseControls = Controls(base);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ScaledBox& box = controls[i];
            EXPECT_GE(box.x, 0);
            EXPECT_LE(box.x + box.width, layout.width);
            EXPECT_GE(box.y, layout.headerBottom) << "below the header";
            EXPECT_LE(box.y + box.height, layout.height);
            // The same place relative to the window, within a pixel of rounding.
            const double factor = s.dpi / 96.0;
            EXPECT_NEAR(box.x, baseControls[i].x * factor, 1.0);
            EXPECT_NEAR(box.y, baseControls[i].y * factor, 1.0);
            EXPECT_NEAR(box.x + box.width, (baseControls[i].x + baseControls[i].width) * factor, 1.0);
            EXPECT_NEAR(box.y + box.height, (baseControls[i].y + baseControls[i].height) * factor, 1.0);
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const ScaledBox& other = controls[j];
                const bool apart = box.x + box.width <= other.x || other.x + other.width <= box.x ||
                                   box.y + box.height <= other.y || other.y + other.height <= box.y;
                EXPECT_TRUE(apart) << "controls " << i << " and " << j << " overlap";
            }
        }
        EXPECT_LE(layout.videoSlider.y + layout.videoSlider.height, layout.footerTop)
            << "sliders above the footer";
        EXPECT_GE(layout.resetButton.y, layout.footerTop) << "buttons on the footer";
        EXPECT_EQ(layout.title.right, layout.width);
        EXPECT_EQ(layout.titleShadow.left - layout.title.left, layout.titleShadow.top - layout.title.top);
    }
}

TEST(MainWindowLayout, EachFurtherDisplayAddsOneGroupBesideTheOthersWithTheButtonsUnderAll) {
    for (int dpi : {96, 120, 144, 192}) {
        const MainWindowLayout one = LayoutMainWindow(dpi);
        for (int count : {2, 3}) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, " << count << " groups");
            const MainWindowLayout layout = LayoutMainWindow(dpi, count);
            ASSERT_EQ(layout.groups.size(), static_cast<std::size_t>(count));
            EXPECT_NEAR(layout.width, (294 + (count - 1) * 288) * dpi / 96.0, 1.0);
            EXPECT_EQ(layout.height, one.height);
            EXPECT_EQ(layout.brightnessSlider, one.brightnessSlider) << "the first group stays where it was";
            EXPECT_EQ(layout.resetButton, one.resetButton);
            EXPECT_EQ(layout.width - (layout.menuButton.x + layout.menuButton.width),
                      one.width - (one.menuButton.x + one.menuButton.width))
                << "the menu button keeps its margin to the right edge";
            EXPECT_EQ(layout.title.right, layout.width);
            std::vector<ScaledBox> boxes{layout.resetButton, layout.menuButton};
            for (const SliderGroupBoxes& group : layout.groups)
                boxes.insert(boxes.end(), {group.brightnessSlider, group.contrastSlider, group.videoSlider});
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_GE(boxes[i].x, 0);
                EXPECT_LE(boxes[i].x + boxes[i].width, layout.width);
                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                    const bool apart = boxes[i].x + boxes[i].width <= boxes[j].x ||
                                       boxes[j].x + boxes[j].width <= boxes[i].x ||
                                       boxes[i].y + boxes[i].height <= boxes[j].y ||
                                       boxes[j].y + boxes[j].height <= boxes[i].y;
                    EXPECT_TRUE(apart) << "boxes " << i << " and " << j << " overlap";
                }
            }
            for (std::size_t g = 1; g < layout.groups.size(); ++g) {
                const SliderGroupBoxes& group = layout.groups[g];
                const SliderGroupBoxes& before = layout.groups[g - 1];
                EXPECT_GT(group.brightnessSlider.x, before.videoSlider.x) << "left to right";
                for (const auto& [box, first] : {std::pair{group.brightnessSlider, one.brightnessSlider},
                                                 std::pair{group.videoSlider, one.videoSlider}}) {
                    EXPECT_EQ(box.y, first.y);
                    EXPECT_EQ(box.width, first.width);
                    EXPECT_EQ(box.height, first.height);
                }
            }
        }
    }
    EXPECT_EQ(LayoutMainWindow(96, 0).width, 294) << "no display still lays out one group";
}
