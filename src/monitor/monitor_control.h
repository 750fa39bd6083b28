// DDC/CI access: the controlled monitor, the monitor sliders, delayed sends and reads with retries.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>

#include "monitor/channels.h"
#include "monitor/settings_records.h"

constexpr DWORD kMaxPhysicalMonitors = 16;

struct PhysicalMonitorInfo {
    HMONITOR monitorHandle = nullptr;
    // Kept at the platform's handle width: a 64-bit process must not cut the handle to 32 bits.
    HANDLE physicalMonitorHandle = nullptr; // first physical monitor of the primary display; 0 when none
    // Every handle the last search was given, so all of them can be released when displays change.
    HANDLE foundHandles[kMaxPhysicalMonitors] = {};
    DWORD foundCount = 0;
};

struct MonitorControlState {
    uint8_t windowsVersion = 0;
    int32_t ddcCapableSystem = 0;
    uint8_t ddcEnabled = 0;
    uint8_t gammaEnabled = 0;
    // Interface thread only; empty while nothing was sent yet.
    MonitorRequestMemory lastBrightnessRequest;
    MonitorRequestMemory lastContrastRequest;
    // The maximum each channel reported at its last read of this monitor; 0 while none was read, and then the
    // percentages go out unscaled (interface thread only).
    uint32_t brightnessMaximum = 0;
    uint32_t contrastMaximum = 0;
    // Shared with the worker threads: each is written and read whole, no lock.
    // The monitor's own values, scaled to its maximum: up to that maximum, so wider than a byte.
    std::atomic<uint32_t> pendingBrightness{0};
    std::atomic<uint32_t> pendingContrast{0};
    std::atomic<HANDLE> pendingMonitorHandle{nullptr};
    // The handle a waking worker may still send to: cleared before the handles are released, so a worker
    // given an older handle sends nothing.
    std::atomic<HANDLE> liveMonitorHandle{nullptr};
    std::atomic<int> workersSending{0}; // workers between that check and the end of their send
    // Advanced when the requests are forgotten (a factory reset, a monitor found again): a worker started
    // before then sends nothing, or its stale value would undo what happened meanwhile.
    std::atomic<uint32_t> requestGeneration{0};
};

extern PhysicalMonitorInfo physicalMonitor;
extern MonitorControlState monitorState;

// Slider positions: set (optionally notifying the parent as if the user had moved the slider) and read.
void SetSliderPosition(HWND slider, int position, UINT notifyMessage);
int GetSliderPosition(HWND slider);

// The running system's version as major + minor / 100 (6.01 for Windows 7), from GetVersion.
double WindowsVersionNumber();
// The same for a value in GetVersion's packing (major in the low byte, minor in the next).
double WindowsVersionNumber(uint32_t version);
// Finds the primary display's physical monitors and keeps the first; returns how many were found, 0 when
// none could be handed out.
int InitPhysicalMonitor();
// Releases the handles of the last search unless a worker is sending through one right now; then it
// returns false and nothing is released (ask again a moment later). No worker sends to them afterwards.
bool ReleasePhysicalMonitors();
// Forgets the remembered requests, so the next value of each channel is sent whatever was sent before, and
// cancels the requests whose workers still wait.
void ForgetMonitorRequests();
void EnableMonitorSliders(bool enable);

// value is the percentage |100 - position|; it is dropped when equal to the last request, clamped to 1..100,
// and scaled to the channel's maximum when one other than 100 was read.
int SetMonitorBrightness(HANDLE physical, uint8_t value);
int SetMonitorContrast(HANDLE physical, uint8_t value);
// Also forgets the remembered requests and cancels the waiting ones: the monitor's values have changed
// under them.
BOOL FactoryResetMonitor(HANDLE physical);

struct VcpReply {
    uint32_t current = 0;
    uint32_t maximum = 0;
};
// Three attempts; nothing when all failed.
std::optional<VcpReply> ReadVcpReply(HANDLE physical, uint8_t code);
// The current value of ReadVcpReply, or -1 when it failed.
int ReadVcpValue(HANDLE physical, uint8_t code);
DWORD ReadBrightnessMaximum();
void ReadMonitorIntoSliders(const ProfileRecord* record);
void PauseWithMessages(int milliseconds);

void GetDisplayNames(wchar_t (&adapterName)[128], wchar_t (&monitorName)[128]);

// Milliseconds since the system started; tests replace it to start near boot or long after.
using SystemUptimeProc = ULONGLONG(WINAPI*)();
extern SystemUptimeProc systemUptime; // GetTickCount64
// Sleeps the given seconds when the system started less than 30 s ago, so the desktop can settle.
void StartupDelay(int seconds);
