#include "monitor/panel_presence.h"

bool MayHaveBuiltInPanel(const std::vector<uint32_t>& outputTechnologies, uint8_t batteryFlag) {
    for (uint32_t technology : outputTechnologies) {
        if (technology == kOutputTechnologyInternal || technology == kOutputTechnologyLvds ||
            technology == kOutputTechnologyDisplayPortEmbedded || technology == kOutputTechnologyUdiEmbedded)
            return true;
    }
    return (batteryFlag & kBatteryFlagNoBattery) == 0;
}

bool AskPanelAgain(PanelResult result, int attemptsMade, int attemptsAllowed) {
    return result == PanelResult::TryLater && attemptsMade < attemptsAllowed;
}
