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

// Monitor values are percentages: the monitor's reported maximum is never used to scale them.
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
