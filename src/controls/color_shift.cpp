#include "controls/color_shift.h"

#include <algorithm>

namespace {

constexpr int kLightInversionSum = 620;

int StepToward(int channel, int target, int step) {
    if (channel > target)
        return std::max(channel - step, target);
    if (channel < target)
        return std::min(channel + step, target);
    return channel;
}

} // namespace

uint32_t ColorShift(uint32_t colour, int16_t delta, bool lighten, bool grey, bool invert, uint32_t target) {
    int channels[3] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};

    if (target != 0) {
        const int step = static_cast<uint8_t>(4 * delta);
        const int targets[3] = {RedOf(target), GreenOf(target), BlueOf(target)};
        for (int i = 0; i < 3; ++i)
            channels[i] = StepToward(channels[i], targets[i], step);
    } else if (lighten) {
        const bool veryLight = channels[0] + channels[1] + channels[2] > kLightInversionSum;
        for (int& channel : channels) {
            if (veryLight)
                channel = 255 - channel;
            else if (delta != 0) // a zero divisor leaves the colour as it is instead of faulting
                channel = 255 - (255 - channel) / delta;
        }
    } else {
        for (int& channel : channels) {
            int value = (grey ? 128 : channel) + delta;
            value = std::clamp(value, 1, 255); // the floor is 1: a shade is never pure black
            channel = invert ? 255 - value : value;
        }
    }

    for (int& channel : channels)
        channel = std::clamp(channel, 0, 255);
    return MakeColour(static_cast<uint8_t>(channels[0]), static_cast<uint8_t>(channels[1]),
                      static_cast<uint8_t>(channels[2]));
}
