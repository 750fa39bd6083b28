// The one colour function from which every shade of the slider and the button is derived.
// Colours are 0x00BBGGRR values; this file is portable and never sees <windows.h>.
#pragma once

#include <cstdint>

// Moves a colour in one of three ways:
//  - target mode (target != 0): each channel steps toward the target's channel by (4 x delta) taken as an
//    unsigned byte, never past it;
//  - lighten mode: very light colours (r + g + b > 620) are inverted; others get their distance to white
//    divided by delta;
//  - plain mode: each channel gets delta added (or becomes 128 + delta when grey is set), clamped to 1..255,
//    then inverted when invert is set.
uint32_t ColorShift(uint32_t colour, int16_t delta, bool lighten = false, bool grey = false,
                    bool invert = false, uint32_t target = 0);

constexpr uint32_t MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
    return uint32_t{red} | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}
constexpr uint8_t RedOf(uint32_t colour) {
    return static_cast<uint8_t>(colour & 255);
}
constexpr uint8_t GreenOf(uint32_t colour) {
    return static_cast<uint8_t>((colour / 256) & 255);
}
constexpr uint8_t BlueOf(uint32_t colour) {
    return static_cast<uint8_t>((colour / 65536) & 255);
}

// A gradient vertex channel: the byte in the high half of 16 bits (255 gives 0xFF00).
constexpr uint16_t ByteToColor16(uint8_t channel) {
    return static_cast<uint16_t>(channel * 256);
}
