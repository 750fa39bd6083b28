// A built-in panel's backlight accepts only the levels it lists; pure choice of the one to set.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The allowed level nearest to the wanted brightness (0..100); halfway between two, the brighter one, so a
// step up never stays where it was. No levels listed: the wanted value itself, kept inside 0..100.
uint8_t NearestPanelLevel(const std::vector<uint8_t>& levels, int wanted);
