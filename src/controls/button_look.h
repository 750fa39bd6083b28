// The button's face and text colours and its hover fade, kept apart from GDI so they can be checked natively.
#pragma once

#include <cstdint>

// Bits of the button record's state.
constexpr uint16_t kButtonNormalLook = 1;    // normal look with border
constexpr uint16_t kButtonNotifyOnPress = 2; // the click is also sent when pressed
constexpr uint16_t kButtonDisabledLook = 4;
constexpr uint16_t kButtonGlyphFontB = 8;

constexpr uint8_t kButtonFadeMax = 20;
constexpr uint8_t kButtonFadeStep = 2;

struct ButtonLookInput {
    bool enabled = true;
    bool pressed = false;
    bool hot = false;
    uint16_t state = kButtonNormalLook;
    uint8_t fade = 0;
    uint32_t faceColour = 0;
    uint32_t textColour = 0;
    uint32_t hotColour = 0;      // 0: the face is lightened instead of moved toward it
    uint32_t disabledColour = 0; // 0: derived
};

struct ButtonColours {
    uint32_t face = 0;
    uint32_t text = 0;
    uint32_t border = 0; // valid when the state asks for a border
    uint32_t focusLine = 0;
    uint32_t glyphShadow = 0;
};

ButtonColours ButtonLook(const ButtonLookInput& input);

// One tick of the hover fade: up by 2 to 20 while hot, down by 2 to 0 after the mouse has left.
uint8_t NextButtonFade(uint8_t fade, bool hot);
