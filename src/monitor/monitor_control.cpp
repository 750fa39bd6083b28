#include "monitor/monitor_control.h"

#include <commctrl.h>

#include <cmath>
#include <cstdlib>

#include "app/app_state.h"
#include "monitor/channels.h"
#include "platform/display_config.h"
#include "platform/dxva2.h"

MonitorSystemState monitorSystem;
std::vector<DisplayControl> displayControls;
SystemUptimeProc systemUptime = GetTickCount64;

namespace {

constexpr DWORD kPauseBeforeWorkerMs = 60;
constexpr DWORD kWorkerDelayMs = 480;
constexpr int kReadAttempts = 3;
constexpr DWORD kPauseAfterFailedReadMs = 60;
constexpr int kPausePasses = 11;
constexpr int kPauseBeforeReadMs = 10;
constexpr ULONGLONG kSystemJustStartedMs = 30000;

enum class Channel { Brightness, Contrast };

struct WorkerStart {
    Channel channel;
    HANDLE physical;                           // the handle this request was made for
    uint32_t generation;                       // the request generation current when it was made
    std::shared_ptr<MonitorWorkerShare> share; // the monitor's, kept alive while the worker runs
    HMODULE library; // the worker's own reference: the program may unload dxva2 while it sleeps
};

DWORD WINAPI MonitorWorker(void* parameter) {
    auto* start = static_cast<WorkerStart*>(parameter);
    Sleep(kWorkerDelayMs);
    MonitorWorkerShare& share = *start->share;
    // Announce the send before checking the handle and the generation: the interface thread changes them
    // before it looks at this count, so either it sees us and waits, or we see the change and send nothing.
    ++share.workersSending;
    HANDLE physical = start->physical;
    HMODULE library = start->library;
    if (physical && physical == share.liveHandle.load() &&
        start->generation == share.requestGeneration.load()) {
        if (start->channel == Channel::Brightness)
            SetVCPFeatureThrough(library, physical, kVcpLuminance, share.pendingBrightness.load());
        else
            SetVCPFeatureThrough(library, physical, kVcpContrast, share.pendingContrast.load());
    }
    --share.workersSending;
    delete start;
    if (library)
        FreeLibraryAndExitThread(library, 0);
    return 0;
}

int StartMonitorWorker(Channel channel, const PhysicalMonitorControl& monitor) {
    auto* start = new WorkerStart{channel, monitor.handle, monitor.share->requestGeneration.load(),
                                  monitor.share, AddDxva2Reference()};
    HANDLE thread = CreateThread(nullptr, 0, MonitorWorker, start, 0, nullptr);
    if (!thread) {
        if (start->library)
            FreeLibrary(start->library);
        delete start;
        return 0;
    }
    CloseHandle(thread); // detached: nothing waits for the worker
    return 1;
}

int RequestMonitorValue(Channel channel, PhysicalMonitorControl& monitor, uint8_t value) {
    const bool brightness = channel == Channel::Brightness;
    MonitorRequestMemory& last = brightness ? monitor.lastBrightnessRequest : monitor.lastContrastRequest;
    const std::optional<uint8_t> send = AcceptMonitorRequest(last, value);
    if (!send)
        return 0;
    const uint32_t maximum = brightness ? monitor.brightnessMaximum : monitor.contrastMaximum;
    (brightness ? monitor.share->pendingBrightness : monitor.share->pendingContrast)
        .store(MonitorValueForMaximum(*send, maximum));
    // Limits how fast workers are started while the user steps the slider.
    Sleep(kPauseBeforeWorkerMs);
    return StartMonitorWorker(channel, monitor);
}

int RequestDisplayValue(Channel channel, DisplayControl& display, uint8_t value) {
    int started = 0;
    for (PhysicalMonitorControl& monitor : display.monitors)
        started += RequestMonitorValue(channel, monitor, value);
    return started;
}

// The first monitor's reply moves the slider; every monitor keeps its own maximum for its own requests.
void ReadChannelIntoSlider(DisplayControl& display, uint8_t code, HWND slider, const ProfileRecord* record,
                           int32_t storedPosition) {
    bool shown = false;
    for (std::size_t m = 0; m < display.monitors.size(); ++m) {
        PhysicalMonitorControl& monitor = display.monitors[m];
        const std::optional<VcpReply> reply = ReadVcpReply(monitor.handle, code);
        if (reply)
            (code == kVcpLuminance ? monitor.brightnessMaximum : monitor.contrastMaximum) = reply->maximum;
        if (m != 0)
            continue;
        if (reply) {
            SetSliderPosition(
                slider, PositionFromMonitorValue(PercentFromMonitorValue(reply->current, reply->maximum)), 0);
            shown = true;
        }
    }
    if (shown)
        return;
    if (settings.noBlockingMode != 0) {
        if (record)
            SetSliderPosition(slider, storedPosition, WM_VSCROLL);
    } else {
        EnableWindow(slider, FALSE);
    }
}

// The key a display is known by across searches: its device path, else its GDI device name.
const std::u16string& DisplayKey(const DisplayIdentity& identity) {
    return identity.devicePath.empty() ? identity.gdiDeviceName : identity.devicePath;
}

int readsRunning = 0;

// The reads pump messages; while one runs, the list of displays must not be rebuilt under it.
struct ReadGuard {
    ReadGuard() { ++readsRunning; }
    ~ReadGuard() { --readsRunning; }
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;
};

} // namespace

bool MonitorReadRunning() {
    return readsRunning != 0;
}

DisplayControl* PrimaryDisplay() {
    for (DisplayControl& display : displayControls)
        if (display.identity.primary)
            return &display;
    return displayControls.empty() ? nullptr : &displayControls.front();
}

DisplayControl* DisplayOfSlider(HWND slider) {
    if (!slider)
        return nullptr;
    for (DisplayControl& display : displayControls)
        if (slider == display.brightnessSlider || slider == display.contrastSlider ||
            slider == display.videoSlider)
            return &display;
    return nullptr;
}

void SetSliderPosition(HWND slider, int position, UINT notifyMessage) {
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    if (notifyMessage)
        SendMessageW(GetParent(slider), notifyMessage, 0, reinterpret_cast<LPARAM>(slider));
}

int GetSliderPosition(HWND slider) {
    return static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
}

double WindowsVersionNumber() {
    return WindowsVersionNumber(GetVersion());
}

double WindowsVersionNumber(uint32_t version) {
    const int major = LOBYTE(LOWORD(version));
    const int minor = HIBYTE(LOWORD(version));
    return std::round((major + minor / 100.0) * 10000.0) / 10000.0;
}

int FindDisplayControls(std::vector<HWND>* surplusSliders) {
    std::vector<FoundDisplay> found = FindDisplays(true);
    std::vector<DisplayControl> old = std::move(displayControls);
    displayControls.clear();
    for (FoundDisplay& entry : found) {
        DisplayControl display;
        display.identity = std::move(entry.identity);
        display.monitor = entry.monitor;
        for (HANDLE handle : entry.physicalHandles) {
            PhysicalMonitorControl monitor;
            monitor.handle = handle;
            monitor.share->liveHandle.store(handle);
            display.monitors.push_back(std::move(monitor));
        }
        displayControls.push_back(std::move(display));
    }
    // Windows always has a primary display; should the search find none, the window keeps its one group.
    if (displayControls.empty()) {
        DisplayControl display;
        display.monitor = MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
        display.identity.primary = true;
        displayControls.push_back(std::move(display));
    }
    for (std::size_t k = 0; k < old.size(); ++k) {
        if (k < displayControls.size()) {
            displayControls[k].brightnessSlider = old[k].brightnessSlider;
            displayControls[k].contrastSlider = old[k].contrastSlider;
            displayControls[k].videoSlider = old[k].videoSlider;
        } else if (surplusSliders) {
            for (HWND slider : {old[k].brightnessSlider, old[k].contrastSlider, old[k].videoSlider})
                if (slider)
                    surplusSliders->push_back(slider);
        }
    }
    // A display keeps its video level where it moved to another group; a display new to a group starts in
    // the middle. (The order is decided before positions move, as a display's old group may be another's.)
    std::vector<int> videoPositions(displayControls.size(), -1);
    for (std::size_t k = 0; k < displayControls.size(); ++k) {
        for (const DisplayControl& before : old) {
            if (!DisplayKey(before.identity).empty() &&
                DisplayKey(before.identity) == DisplayKey(displayControls[k].identity)) {
                displayControls[k].gamma = before.gamma;
                displayControls[k].panel = before.panel;
                if (before.videoSlider)
                    videoPositions[k] = GetSliderPosition(before.videoSlider);
            }
        }
        if (k < old.size() && !old[k].identity.gdiDeviceName.empty() && videoPositions[k] < 0)
            videoPositions[k] = kSliderStart;
    }
    for (std::size_t k = 0; k < displayControls.size(); ++k)
        if (videoPositions[k] >= 0 && displayControls[k].videoSlider)
            SetSliderPosition(displayControls[k].videoSlider, videoPositions[k], 0);
    const DisplayControl* primary = PrimaryDisplay();
    return primary ? static_cast<int>(primary->monitors.size()) : 0;
}

bool ReleasePhysicalMonitors(DisplayControl& display) {
    for (PhysicalMonitorControl& monitor : display.monitors)
        monitor.share->liveHandle.store(nullptr);
    for (PhysicalMonitorControl& monitor : display.monitors)
        if (monitor.share->workersSending.load() != 0)
            return false;
    if (!display.monitors.empty()) {
        std::vector<PhysicalMonitorEntry> entries(display.monitors.size());
        for (std::size_t i = 0; i < display.monitors.size(); ++i)
            entries[i].hPhysicalMonitor = display.monitors[i].handle;
        // A failed release is silent: the handles are forgotten either way and never used again.
        DestroyPhysicalMonitors(static_cast<DWORD>(entries.size()), entries.data());
    }
    display.monitors.clear();
    return true;
}

bool ReleaseAllPhysicalMonitors() {
    bool released = true;
    for (DisplayControl& display : displayControls)
        released = ReleasePhysicalMonitors(display) && released;
    return released;
}

void EnableMonitorSliders(DisplayControl& display, bool enable) {
    if (display.panel) {
        display.ddcEnabled = 1;
        ShowPanelSliders(display.brightnessSlider, display.contrastSlider);
        return;
    }
    ForgetPanelTip(display.contrastSlider);
    display.ddcEnabled = enable ? 1 : 0;
    EnableWindow(display.brightnessSlider, enable);
    EnableWindow(display.contrastSlider, enable);
}

int SetMonitorBrightness(DisplayControl& display, uint8_t value) {
    if (display.panel) {
        RequestPanelLevel(*display.panel, value, appState.mainWindow);
        return 0;
    }
    return RequestDisplayValue(Channel::Brightness, display, value);
}

int SetMonitorContrast(DisplayControl& display, uint8_t value) {
    if (display.panel)
        return 0;
    return RequestDisplayValue(Channel::Contrast, display, value);
}

void SendMonitorBrightnessNow(DisplayControl& display, uint8_t value) {
    if (display.panel) {
        RequestPanelLevel(*display.panel, value, nullptr);
        SendPanelLevelNow(*display.panel);
        return;
    }
    for (PhysicalMonitorControl& monitor : display.monitors) {
        const std::optional<uint8_t> send = AcceptMonitorRequest(monitor.lastBrightnessRequest, value);
        if (!send)
            continue;
        ++monitor.share->requestGeneration;
        // A worker that passed its check already sends first, not after this.
        while (monitor.share->workersSending.load() != 0)
            Sleep(1);
        SetVCPFeature(monitor.handle, kVcpLuminance,
                      MonitorValueForMaximum(*send, monitor.brightnessMaximum));
    }
}

BOOL FactoryResetMonitors(DisplayControl& display) {
    ForgetMonitorRequests(display);
    if (display.panel)
        return TRUE;
    BOOL all = TRUE;
    for (PhysicalMonitorControl& monitor : display.monitors) {
        // A worker that passed its check before the requests were cancelled sends first, not after the reset.
        while (monitor.share->workersSending.load() != 0)
            Sleep(1);
        if (!SetVCPFeature(monitor.handle, kVcpRestoreFactoryDefaults, 1))
            all = FALSE;
    }
    // A display without monitors sends nothing, as a missing handle did.
    return display.monitors.empty() ? SetVCPFeature(nullptr, kVcpRestoreFactoryDefaults, 1) : all;
}

void ForgetMonitorRequests(DisplayControl& display) {
    for (PhysicalMonitorControl& monitor : display.monitors) {
        monitor.lastBrightnessRequest.reset();
        monitor.lastContrastRequest.reset();
        ++monitor.share->requestGeneration;
    }
}

std::optional<VcpReply> ReadVcpReply(HANDLE physical, uint8_t code) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD codeType = 0, current = 0, maximum = 0;
        if (GetVCPFeatureAndVCPFeatureReply(physical, code, &codeType, &current, &maximum))
            return VcpReply{current, maximum};
        Sleep(kPauseAfterFailedReadMs);
    }
    return std::nullopt;
}

int ReadVcpValue(HANDLE physical, uint8_t code) {
    const std::optional<VcpReply> reply = ReadVcpReply(physical, code);
    return reply ? static_cast<int>(reply->current) : -1;
}

DWORD ReadBrightnessMaximum(DisplayControl& display) {
    DWORD codeType = 0, current = 0, maximum = 0;
    HANDLE first = display.monitors.empty() ? nullptr : display.monitors.front().handle;
    GetVCPFeatureAndVCPFeatureReply(first, kVcpLuminance, &codeType, &current, &maximum);
    if (maximum != 0 && !display.monitors.empty()) // a probe that answered tells how far brightness goes
        display.monitors.front().brightnessMaximum = maximum;
    return maximum;
}

void ApplyNoBlockingToDisplays(bool noBlocking) {
    for (DisplayControl& display : displayControls)
        EnableMonitorSliders(display, display.panel || noBlocking || ReadBrightnessMaximum(display) != 0);
}

void ReadMonitorIntoSliders(DisplayControl& display, const ProfileRecord* record) {
    if (monitorSystem.ddcCapableSystem == 0) {
        EnableMonitorSliders(display, false);
        return;
    }
    if (display.panel) {
        // A copy: the record is packed, its fields unaligned.
        const int32_t stored = record ? record->brightnessPosition : 0;
        ReadPanelIntoSlider(*display.panel, display.brightnessSlider,
                            record && settings.noBlockingMode != 0 ? &stored : nullptr);
        return;
    }
    const ReadGuard guard;
    PauseWithMessages(kPauseBeforeReadMs);
    ReadChannelIntoSlider(display, kVcpLuminance, display.brightnessSlider, record,
                          record ? record->brightnessPosition : 0);
    PauseWithMessages(kPauseBeforeReadMs);
    ReadChannelIntoSlider(display, kVcpContrast, display.contrastSlider, record,
                          record ? record->contrastPosition : 0);
}

void PauseWithMessages(int milliseconds) {
    const DWORD sleep = milliseconds == 0 ? 1 : static_cast<DWORD>(milliseconds);
    for (int pass = 0; pass < kPausePasses; ++pass) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(sleep);
            continue;
        }
        if (message.message == WM_QUIT) {
            // The quit belongs to the message loop; hand it back instead of swallowing it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HWND dialog = OpenProgramDialog();
        if (dialog && IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void GetDisplayNames(wchar_t (&adapterName)[128], wchar_t (&monitorName)[128], const wchar_t* gdiDeviceName) {
    DISPLAY_DEVICEW adapter{};
    adapter.cb = sizeof(adapter);
    for (DWORD index = 0; EnumDisplayDevicesW(nullptr, index, &adapter, 0); ++index) {
        if (!gdiDeviceName || !*gdiDeviceName || lstrcmpiW(adapter.DeviceName, gdiDeviceName) == 0) {
            lstrcpynW(adapterName, adapter.DeviceString, 128);
            DISPLAY_DEVICEW monitor{};
            monitor.cb = sizeof(monitor);
            if (EnumDisplayDevicesW(adapter.DeviceName, 0, &monitor, 0))
                lstrcpynW(monitorName, monitor.DeviceString, 128);
            return;
        }
        adapter = {};
        adapter.cb = sizeof(adapter);
    }
}

void StartupDelay(int seconds) {
    // The 64-bit count: the 32-bit one wraps to zero every 49.7 days and would then look like a fresh boot.
    if (systemUptime() < kSystemJustStartedMs)
        Sleep(static_cast<DWORD>(seconds) * 1000);
}
