#include "controls/button_look.h"

#include <gtest/gtest.h>

#include "controls/color_shift.h"

namespace {

constexpr uint32_t kFace = MakeColour(219, 219, 219);
constexpr uint32_t kText = MakeColour(100, 104, 116);

ButtonLookInput MainWindowButton() {
    ButtonLookInput input;
    input.faceColour = kFace;
    input.textColour = kText;
    return input;
}

TEST(ButtonFade, RisesOverTenTicksHoldsAndFallsToZero) {
    uint8_t fade = 0;
    for (int tick = 1; tick <= 10; ++tick) {
        fade = NextButtonFade(fade, true);
        EXPECT_EQ(fade, 2 * tick);
    }
    EXPECT_EQ(NextButtonFade(fade, true), 20);
    for (int tick = 1; tick <= 10; ++tick)
        fade = NextButtonFade(fade, false);
    EXPECT_EQ(fade, 0);
    EXPECT_EQ(NextButtonFade(0, false), 0);
    EXPECT_EQ(NextButtonFade(1, false), 0);
    EXPECT_EQ(NextButtonFade(19, true), 20);
}

TEST(ButtonLook, RestingFaceIsTheFaceColourWithTheOwnersText) {
    const ButtonColours colours = ButtonLook(MainWindowButton());
    EXPECT_EQ(colours.face, kFace);
    EXPECT_EQ(colours.text, kText);
    EXPECT_EQ(colours.border, MakeColour(203, 203, 203));
    EXPECT_EQ(colours.focusLine, MakeColour(187, 187, 187));
    EXPECT_EQ(colours.glyphShadow, MakeColour(213, 213, 213));
}

TEST(ButtonLook, WithoutTextColourTheTextIsDerivedFromTheFace) {
    ButtonLookInput input = MainWindowButton();
    input.textColour = 0;
    input.faceColour = MakeColour(100, 100, 100);
    EXPECT_EQ(ButtonLook(input).text, MakeColour(230, 230, 230)); // 255 - 155 / 6
}

TEST(ButtonLook, HoverLightensByFadePlusTwoWhileHotAndByFadeAfterwards) {
    ButtonLookInput input = MainWindowButton();
    input.hot = true;
    input.fade = 10;
    ButtonColours colours = ButtonLook(input);
    EXPECT_EQ(colours.face, MakeColour(231, 231, 231));
    EXPECT_EQ(colours.text, MakeColour(24, 24, 24)); // very light faces invert for the text
    EXPECT_EQ(colours.glyphShadow, MakeColour(203, 203, 203));

    input.hot = false;
    colours = ButtonLook(input);
    EXPECT_EQ(colours.face, MakeColour(229, 229, 229));
    EXPECT_EQ(colours.text, kText);
}

TEST(ButtonLook, HoverMovesTowardTheHotColourNeverPastIt) {
    ButtonLookInput input = MainWindowButton();
    input.hotColour = MakeColour(230, 200, 219);
    input.hot = true;
    input.fade = 0;
    EXPECT_EQ(ButtonLook(input).face, MakeColour(227, 211, 219)); // 4 x 2 per channel
    input.fade = 20;
    EXPECT_EQ(ButtonLook(input).face, MakeColour(230, 200, 219));
    input.hot = false;
    input.fade = 2;
    EXPECT_EQ(ButtonLook(input).face, MakeColour(227, 211, 219));
}

TEST(ButtonLook, PressedDarkensTheFace) {
    ButtonLookInput input = MainWindowButton();
    input.pressed = true;
    input.hot = true;
    const ButtonColours colours = ButtonLook(input);
    EXPECT_EQ(colours.face, MakeColour(201, 201, 201));
    EXPECT_EQ(colours.text, MakeColour(250, 250, 250)); // 255 - 54 / 10
}

TEST(ButtonLook, DisabledLooks) {
    ButtonLookInput input = MainWindowButton();
    input.enabled = false;
    ButtonColours colours = ButtonLook(input);
    EXPECT_EQ(colours.face, MakeColour(228, 228, 228));
    EXPECT_EQ(colours.text, MakeColour(178, 178, 178));

    input.disabledColour = MakeColour(240, 240, 240);
    colours = ButtonLook(input);
    EXPECT_EQ(colours.face, MakeColour(240, 240, 240));
    EXPECT_EQ(colours.text, kText);

    input.disabledColour = 0;
    input.state = kButtonDisabledLook;
    colours = ButtonLook(input);
    EXPECT_EQ(colours.face, kFace);
    EXPECT_EQ(colours.text, kText);
    EXPECT_EQ(colours.border, MakeColour(233, 233, 233));

    input.state = 0; // neither look bit: the greyed look
    EXPECT_EQ(ButtonLook(input).face, MakeColour(228, 228, 228));
}

TEST(ButtonLook, BlackFaceDarkenedKeepsChannelsOfOne) {
    ButtonLookInput input = MainWindowButton();
    input.faceColour = 0;
    input.pressed = true;
    const ButtonColours colours = ButtonLook(input);
    EXPECT_EQ(colours.face, MakeColour(1, 1, 1));
    EXPECT_EQ(colours.border, MakeColour(1, 1, 1));
}

} // namespace
