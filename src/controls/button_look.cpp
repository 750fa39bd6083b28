#include "controls/button_look.h"

#include <algorithm>

#include "controls/color_shift.h"

namespace {

constexpr bool kLighten = true;
constexpr bool kGrey = true;

uint32_t Hover(uint32_t face, int amount, uint32_t hotColour) {
    if (hotColour != 0)
        return ColorShift(face, static_cast<int16_t>(amount), false, false, false, hotColour);
    return ColorShift(face, static_cast<int16_t>(amount));
}

} // namespace

ButtonColours ButtonLook(const ButtonLookInput& input) {
    ButtonColours colours;
    if (input.enabled) {
        if (input.pressed) {
            colours.face = ColorShift(input.faceColour, -18);
            colours.text = ColorShift(colours.face, 10, kLighten);
        } else if (input.hot) {
            colours.face = Hover(input.faceColour, input.fade + 2, input.hotColour);
            colours.text = ColorShift(colours.face, 8, kLighten);
        } else {
            colours.face = Hover(input.faceColour, input.fade, input.hotColour);
            colours.text =
                input.textColour != 0 ? input.textColour : ColorShift(input.faceColour, 6, kLighten);
        }
    } else if (input.disabledColour != 0) {
        colours.face = input.disabledColour;
        colours.text = input.textColour;
    } else if ((input.state & kButtonNormalLook) || !(input.state & kButtonDisabledLook)) {
        // The greyed look; a state with neither look bit gets it too.
        colours.face = ColorShift(0, 100, false, kGrey);
        colours.text = ColorShift(0, 50, false, kGrey);
    } else {
        colours.face = input.faceColour;
        colours.text = input.textColour;
    }

    colours.border =
        (input.state & kButtonNormalLook) ? ColorShift(colours.face, -16) : ColorShift(colours.face, 14);
    colours.focusLine = ColorShift(colours.face, -32);
    colours.glyphShadow = ColorShift(input.faceColour, input.hot ? -16 : -6);
    return colours;
}

uint8_t NextButtonFade(uint8_t fade, bool hot) {
    if (hot)
        return static_cast<uint8_t>(std::min<int>(fade + kButtonFadeStep, kButtonFadeMax));
    if (fade != 0)
        return static_cast<uint8_t>(std::max<int>(fade - kButtonFadeStep, 0));
    return 0;
}
