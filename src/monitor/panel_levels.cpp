#include "monitor/panel_levels.h"

#include <algorithm>
#include <cstdlib>

uint8_t NearestPanelLevel(const std::vector<uint8_t>& levels, int wanted) {
    wanted = std::clamp(wanted, 0, 100);
    if (levels.empty())
        return static_cast<uint8_t>(wanted);
    uint8_t best = levels.front();
    for (uint8_t level : levels) {
        const int distance = std::abs(level - wanted);
        const int bestDistance = std::abs(best - wanted);
        if (distance < bestDistance || (distance == bestDistance && level > best))
            best = level;
    }
    return best;
}
