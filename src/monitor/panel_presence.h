// Whether a system may have a built-in panel worth asking WMI about, and how long to keep asking. Pure: the
// Win32 glue hands in the output technologies of the display paths and the battery flag.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/panel_instance.h"

// DISPLAYCONFIG_VIDEO_OUTPUT_TECHNOLOGY values of a panel built into the computer.
constexpr uint32_t kOutputTechnologyLvds = 6;
constexpr uint32_t kOutputTechnologyDisplayPortEmbedded = 11;
constexpr uint32_t kOutputTechnologyUdiEmbedded = 13;
constexpr uint32_t kOutputTechnologyInternal = 0x80000000u;
// SYSTEM_POWER_STATUS.BatteryFlag: this bit is set for "no system battery" (128) and "unknown" (255).
constexpr uint8_t kBatteryFlagNoBattery = 128;

// True when some display path leaves the computer through an internal connector, or the system runs on a
// battery: only then are COM and WMI started to look for a panel. Neither proves a panel (a desktop on a
// battery-backed supply may report a battery; some laptops report their panel as external), so WMI decides.
bool MayHaveBuiltInPanel(const std::vector<uint32_t>& outputTechnologies, uint8_t batteryFlag);

// How often WMI is asked for the panels while it answers "try later" (right after a resume it says "not
// supported" or "cancelled" for a while), and how long apart.
constexpr int kPanelFindAttempts = 6;
constexpr unsigned kPanelFindRetryMs = 2000;
// How often a level the panel would not take yet is sent again, and how long apart.
constexpr int kPanelSendAttempts = 4;
constexpr unsigned kPanelSendRetryMs = 1000;

// Whether to ask again after result, attemptsMade calls having been made (the first counts as one).
bool AskPanelAgain(PanelResult result, int attemptsMade, int attemptsAllowed);
