// What a slider position means: monitor values for brightness and contrast, a gamma level for video.
#pragma once

#include <cstdint>
#include <optional>

constexpr int kSliderMin = 0;
constexpr int kSliderMax = 100;
constexpr int kSliderStart = 50;

constexpr uint8_t kVcpLuminance = 0x10;
constexpr uint8_t kVcpContrast = 0x12;
constexpr uint8_t kVcpRestoreFactoryDefaults = 0x05;

// The slider works in percentages: |100 - position|. A monitor whose reported maximum is other than 100
// gets them scaled onto 0..maximum when sent and back when read (below).
inline uint8_t MonitorValueFromPosition(int position) {
    const int value = position > 100 ? position - 100 : 100 - position;
    return static_cast<uint8_t>(value > 255 ? 255 : value);
}

inline int PositionFromMonitorValue(int value) {
    return value > 100 ? value - 100 : 100 - value;
}

inline int VideoLevelFromPosition(int position) {
    return 50 - position;
}

// Position 100 sends 1, never 0: some monitors treat 0 as "off".
inline uint8_t ClampMonitorValue(uint8_t value) {
    if (value < 1)
        return 1;
    return value > 100 ? 100 : value;
}

// A maximum of 0 (none read yet, or a monitor that reports none) or 100 leaves the percentages as they are.
inline bool ScalesToMaximum(uint32_t maximum) {
    return maximum != 0 && maximum != 100;
}

// A clamped percentage as the monitor's own value, rounded to the nearest (halves up). Never below 1, for
// the same reason as the clamp: a small maximum would otherwise turn 1 % into "off".
inline uint32_t MonitorValueForMaximum(uint8_t percent, uint32_t maximum) {
    if (!ScalesToMaximum(maximum))
        return percent;
    const uint64_t scaled = (static_cast<uint64_t>(percent) * maximum + 50) / 100;
    return scaled < 1 ? 1 : static_cast<uint32_t>(scaled);
}

// A value read from the monitor as the percentage it stands for, rounded to the nearest (halves up). A value
// above a scaling maximum counts as the maximum; with 100 or 0 the value passes unchanged (150 stays 150).
inline int PercentFromMonitorValue(uint32_t value, uint32_t maximum) {
    if (!ScalesToMaximum(maximum))
        return static_cast<int>(value > 255 ? 255 : value);
    const uint64_t held = value > maximum ? maximum : value;
    return static_cast<int>((held * 100 + maximum / 2) / maximum);
}

// The last request of one channel, remembered before clamping; empty while nothing was sent yet.
using MonitorRequestMemory = std::optional<uint8_t>;

// Request dropping for one channel: returns the clamped value to send, or nothing when the request
// equals the last one. Before the first request nothing is remembered, so even 0 is sent (as 1).
inline std::optional<uint8_t> AcceptMonitorRequest(MonitorRequestMemory& lastRequest, uint8_t value) {
    if (lastRequest == value)
        return std::nullopt;
    lastRequest = value;
    return ClampMonitorValue(value);
}
