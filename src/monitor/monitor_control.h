// DDC/CI access per display: each display's physical monitors, its monitor sliders, delayed sends and reads
// with retries.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "monitor/channels.h"
#include "monitor/display_discovery.h"
#include "monitor/gamma_ramp.h"
#include "monitor/panel_control.h"
#include "monitor/settings_records.h"

// What one monitor's delayed workers share with the interface thread. Each worker holds its own reference,
// so a monitor dropped meanwhile (its display unplugged) leaves the worker nothing dangling.
struct MonitorWorkerShare {
    // Each is written and read whole, no lock. The monitor's own values, scaled to its maximum: up to that
    // maximum, so wider than a byte.
    std::atomic<uint32_t> pendingBrightness{0};
    std::atomic<uint32_t> pendingContrast{0};
    // The handle a waking worker may still send to: cleared before the handle is released, so a worker
    // given an older handle sends nothing.
    std::atomic<HANDLE> liveHandle{nullptr};
    std::atomic<int> workersSending{0}; // workers between that check and the end of their send
    // Advanced when the requests are forgotten (a factory reset, a monitor found again): a worker started
    // before then sends nothing, or its stale value would undo what happened meanwhile.
    std::atomic<uint32_t> requestGeneration{0};
};

// One physical monitor of a display. Interface thread only, apart from the share.
struct PhysicalMonitorControl {
    // Kept at the platform's handle width: a 64-bit process must not cut the handle to 32 bits.
    HANDLE handle = nullptr;
    // Empty while nothing was sent yet.
    MonitorRequestMemory lastBrightnessRequest;
    MonitorRequestMemory lastContrastRequest;
    // The maximum each channel reported at its last read of this monitor; 0 while none was read, and then
    // the percentages go out unscaled.
    uint32_t brightnessMaximum = 0;
    uint32_t contrastMaximum = 0;
    std::shared_ptr<MonitorWorkerShare> share = std::make_shared<MonitorWorkerShare>();
};

// One display and its group of sliders. Interface thread only.
struct DisplayControl {
    DisplayIdentity identity;
    HMONITOR monitor = nullptr;
    // The physical monitors the last search handed out, in the library's order; empty when none.
    std::vector<PhysicalMonitorControl> monitors;
    uint8_t ddcEnabled = 0; // the monitor sliders are enabled (a panel's: its brightness slider)
    // Set while WMI offers this display's backlight (a laptop's built-in panel): its monitor brightness goes
    // there instead of over DDC/CI, and it has no contrast. The functions below decide which way.
    std::optional<DisplayPanel> panel;
    HWND brightnessSlider = nullptr;
    HWND contrastSlider = nullptr;
    HWND videoSlider = nullptr;
    GammaParameters gamma; // the ramp last given to this display
};

struct MonitorSystemState {
    uint8_t windowsVersion = 0;
    int32_t ddcCapableSystem = 0;
    uint8_t gammaEnabled = 0;
    // A slider moved by the user moves the same slider of every other display's group.
    bool linkMonitors = false;
};

extern MonitorSystemState monitorSystem;
// Every display, in the order they stand on the desktop; the primary display first where displays start
// at the same place. Group k of the main window belongs to entry k. Never empty once the window exists.
extern std::vector<DisplayControl> displayControls;

// The primary display's record (the first whose identity says primary, else the first); null while the
// list is empty.
DisplayControl* PrimaryDisplay();
// The record whose slider is slider, or null.
DisplayControl* DisplayOfSlider(HWND slider);

// Slider positions: set (optionally notifying the parent as if the user had moved the slider) and read.
void SetSliderPosition(HWND slider, int position, UINT notifyMessage);
int GetSliderPosition(HWND slider);

// The running system's version as major + minor / 100 (6.01 for Windows 7), from GetVersion.
double WindowsVersionNumber();
// The same for a value in GetVersion's packing (major in the low byte, minor in the next).
double WindowsVersionNumber(uint32_t version);

// Finds every display with its physical monitors and rebuilds the list; a display found again keeps its
// panel record until the panels are asked again. Group k keeps its sliders and
// becomes display k's; a display without a group yet gets none (null sliders), and the sliders of groups
// beyond the displays found are handed back for the caller to destroy. The caller has released the handles
// of the last search. At least one record remains (the primary display's, perhaps without monitors).
// Returns the number of physical monitors the primary display handed out, 0 when none.
int FindDisplayControls(std::vector<HWND>* surplusSliders = nullptr);
// Releases the display's handles of the last search unless a worker is sending through one right now; then
// it returns false and nothing of that display is released (ask again a moment later). No worker sends to
// them afterwards.
bool ReleasePhysicalMonitors(DisplayControl& display);
// The same for every display; false when any display must be asked again.
bool ReleaseAllPhysicalMonitors();
// Forgets the remembered requests of every monitor of the display, so the next value of each channel is
// sent whatever was sent before, and cancels the requests whose workers still wait.
void ForgetMonitorRequests(DisplayControl& display);
// A panel's brightness slider is enabled and its contrast slider disabled whatever enable says.
void EnableMonitorSliders(DisplayControl& display, bool enable);

// value is the percentage |100 - position|. Each monitor of the display gets its own request: dropped when
// equal to that monitor's last one, clamped to 1..100, and scaled to the channel's maximum when one other
// than 100 was read. Returns how many workers were started. A panel's brightness goes to its backlight
// once the slider settles (no worker); a panel has no contrast to send.
int SetMonitorBrightness(DisplayControl& display, uint8_t value);
int SetMonitorContrast(DisplayControl& display, uint8_t value);
// The same brightness request sent at once on this thread, without a worker: for the exit, which no
// waiting worker would outlive. Requests still waiting are cancelled, so none sends an older value after it.
void SendMonitorBrightnessNow(DisplayControl& display, uint8_t value);
// The factory code to each monitor of the display; also forgets the remembered requests and cancels the
// waiting ones: the monitors' values have changed under them. TRUE when every monitor took it. A panel has
// no factory code: nothing is sent to it.
BOOL FactoryResetMonitors(DisplayControl& display);

struct VcpReply {
    uint32_t current = 0;
    uint32_t maximum = 0;
};
// Three attempts; nothing when all failed.
std::optional<VcpReply> ReadVcpReply(HANDLE physical, uint8_t code);
// The current value of ReadVcpReply, or -1 when it failed.
int ReadVcpValue(HANDLE physical, uint8_t code);
// One read of the display's first monitor's brightness, no retry: its maximum, 0 when it did not answer.
DWORD ReadBrightnessMaximum(DisplayControl& display);
// The no-blocking choice applied to every display: in no-blocking mode every display's monitor sliders are
// enabled, else those of each display whose monitor answers one read.
void ApplyNoBlockingToDisplays(bool noBlocking);
// Reads the display's monitors into its monitor sliders: the first monitor's values are shown, and each
// monitor's maxima are kept. A channel that does not answer disables its slider, or in no-blocking mode takes
// the stored position (when stored is given). A panel's backlight level is read into its brightness slider.
void ReadMonitorIntoSliders(DisplayControl& display, const ProfileRecord* stored);
// True while a read of some display pumps messages: the list of displays must then stay as it is.
bool MonitorReadRunning();
void PauseWithMessages(int milliseconds);

// The names of the adapter and of the monitor showing gdiDeviceName (the first adapter when it is empty),
// as EnumDisplayDevices describes them; left as they are when not found.
void GetDisplayNames(wchar_t (&adapterName)[128], wchar_t (&monitorName)[128],
                     const wchar_t* gdiDeviceName = nullptr);

// Milliseconds since the system started; tests replace it to start near boot or long after.
using SystemUptimeProc = ULONGLONG(WINAPI*)();
extern SystemUptimeProc systemUptime; // GetTickCount64
// Sleeps the given seconds when the system started less than 30 s ago, so the desktop can settle.
void StartupDelay(int seconds);
