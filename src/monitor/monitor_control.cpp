#include "monitor/monitor_control.h"

#include <commctrl.h>

#include <cmath>
#include <cstdlib>

#include "app/app_state.h"
#include "monitor/channels.h"
#include "platform/dxva2.h"

PhysicalMonitorInfo physicalMonitor;
MonitorControlState monitorState;
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
    HANDLE physical;     // the handle this request was made for
    uint32_t generation; // the request generation current when it was made
    HMODULE library;     // the worker's own reference: the program may unload dxva2 while it sleeps
};

DWORD WINAPI MonitorWorker(void* parameter) {
    auto* start = static_cast<WorkerStart*>(parameter);
    Sleep(kWorkerDelayMs);
    // Announce the send before checking the handle and the generation: the interface thread changes them
    // before it looks at this count, so either it sees us and waits, or we see the change and send nothing.
    ++monitorState.workersSending;
    HANDLE physical = start->physical;
    HMODULE library = start->library;
    if (physical && physical == monitorState.liveMonitorHandle.load() &&
        start->generation == monitorState.requestGeneration.load()) {
        if (start->channel == Channel::Brightness)
            SetVCPFeatureThrough(library, physical, kVcpLuminance, monitorState.pendingBrightness.load());
        else
            SetVCPFeatureThrough(library, physical, kVcpContrast, monitorState.pendingContrast.load());
    }
    --monitorState.workersSending;
    delete start;
    if (library)
        FreeLibraryAndExitThread(library, 0);
    return 0;
}

int StartMonitorWorker(Channel channel, HANDLE physical) {
    auto* start =
        new WorkerStart{channel, physical, monitorState.requestGeneration.load(), AddDxva2Reference()};
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

int RequestMonitorValue(Channel channel, HANDLE physical, uint8_t value) {
    const bool brightness = channel == Channel::Brightness;
    MonitorRequestMemory& last =
        brightness ? monitorState.lastBrightnessRequest : monitorState.lastContrastRequest;
    const std::optional<uint8_t> send = AcceptMonitorRequest(last, value);
    if (!send)
        return 0;
    const uint32_t maximum = brightness ? monitorState.brightnessMaximum : monitorState.contrastMaximum;
    monitorState.pendingMonitorHandle.store(physical);
    if (brightness)
        monitorState.pendingBrightness.store(MonitorValueForMaximum(*send, maximum));
    else
        monitorState.pendingContrast.store(MonitorValueForMaximum(*send, maximum));
    // Limits how fast workers are started while the user steps the slider.
    Sleep(kPauseBeforeWorkerMs);
    return StartMonitorWorker(channel, physical);
}

void ReadChannelIntoSlider(uint8_t code, HWND slider, const ProfileRecord* record, int32_t storedPosition) {
    const std::optional<VcpReply> reply = ReadVcpReply(physicalMonitor.physicalMonitorHandle, code);
    if (reply) {
        (code == kVcpLuminance ? monitorState.brightnessMaximum : monitorState.contrastMaximum) =
            reply->maximum;
        SetSliderPosition(
            slider, PositionFromMonitorValue(PercentFromMonitorValue(reply->current, reply->maximum)), 0);
    } else if (settings.noBlockingMode != 0) {
        if (record)
            SetSliderPosition(slider, storedPosition, WM_VSCROLL);
    } else {
        EnableWindow(slider, FALSE);
    }
}

} // namespace

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

int InitPhysicalMonitor() {
    HMONITOR monitor = MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
    if (!monitor)
        return 0;
    DWORD count = 0;
    GetNumberOfPhysicalMonitorsFromHMONITOR(monitor, &count);
    // A library that reports absurd counts must not make us allocate without bound.
    const DWORD entries = count > kMaxPhysicalMonitors ? kMaxPhysicalMonitors : count;
    PhysicalMonitorEntry found[kMaxPhysicalMonitors] = {};
    HANDLE first = nullptr;
    physicalMonitor.foundCount = 0;
    if (entries > 0 && GetPhysicalMonitorsFromHMONITOR(monitor, entries, found)) {
        first = found[0].hPhysicalMonitor;
        for (DWORD i = 0; i < entries; ++i)
            physicalMonitor.foundHandles[i] = found[i].hPhysicalMonitor;
        physicalMonitor.foundCount = entries;
    }
    physicalMonitor.monitorHandle = monitor;
    physicalMonitor.physicalMonitorHandle = first;
    // The monitor found may be another one: its maxima are known only once it has been read.
    monitorState.brightnessMaximum = 0;
    monitorState.contrastMaximum = 0;
    monitorState.liveMonitorHandle.store(first);
    // Counted but not handed out is no monitor: its sliders would send to nothing.
    return first ? static_cast<int>(count) : 0;
}

bool ReleasePhysicalMonitors() {
    monitorState.liveMonitorHandle.store(nullptr);
    if (monitorState.workersSending.load() != 0)
        return false;
    if (physicalMonitor.foundCount > 0) {
        PhysicalMonitorEntry entries[kMaxPhysicalMonitors] = {};
        for (DWORD i = 0; i < physicalMonitor.foundCount; ++i)
            entries[i].hPhysicalMonitor = physicalMonitor.foundHandles[i];
        // A failed release is silent: the handles are forgotten either way and never used again.
        DestroyPhysicalMonitors(physicalMonitor.foundCount, entries);
    }
    physicalMonitor = {};
    return true;
}

void EnableMonitorSliders(bool enable) {
    monitorState.ddcEnabled = enable ? 1 : 0;
    EnableWindow(appState.brightnessSlider, enable);
    EnableWindow(appState.contrastSlider, enable);
}

int SetMonitorBrightness(HANDLE physical, uint8_t value) {
    return RequestMonitorValue(Channel::Brightness, physical, value);
}

int SetMonitorContrast(HANDLE physical, uint8_t value) {
    return RequestMonitorValue(Channel::Contrast, physical, value);
}

BOOL FactoryResetMonitor(HANDLE physical) {
    ForgetMonitorRequests();
    // A worker that passed its check before the requests were cancelled sends first, not after the reset.
    while (monitorState.workersSending.load() != 0)
        Sleep(1);
    return SetVCPFeature(physical, kVcpRestoreFactoryDefaults, 1);
}

void ForgetMonitorRequests() {
    monitorState.lastBrightnessRequest.reset();
    monitorState.lastContrastRequest.reset();
    ++monitorState.requestGeneration;
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

DWORD ReadBrightnessMaximum() {
    DWORD codeType = 0, current = 0, maximum = 0;
    GetVCPFeatureAndVCPFeatureReply(physicalMonitor.physicalMonitorHandle, kVcpLuminance, &codeType, &current,
                                    &maximum);
    if (maximum != 0) // a probe that answered tells how far brightness goes, as a read does
        monitorState.brightnessMaximum = maximum;
    return maximum;
}

void ReadMonitorIntoSliders(const ProfileRecord* record) {
    if (monitorState.ddcCapableSystem == 0) {
        EnableMonitorSliders(false);
        return;
    }
    PauseWithMessages(kPauseBeforeReadMs);
    ReadChannelIntoSlider(kVcpLuminance, appState.brightnessSlider, record,
                          record ? record->brightnessPosition : 0);
    PauseWithMessages(kPauseBeforeReadMs);
    ReadChannelIntoSlider(kVcpContrast, appState.contrastSlider, record,
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

void GetDisplayNames(wchar_t (&adapterName)[128], wchar_t (&monitorName)[128]) {
    DISPLAY_DEVICEW adapter{};
    adapter.cb = sizeof(adapter);
    if (!EnumDisplayDevicesW(nullptr, 0, &adapter, 0))
        return;
    lstrcpynW(adapterName, adapter.DeviceString, 128);
    DISPLAY_DEVICEW monitor{};
    monitor.cb = sizeof(monitor);
    if (EnumDisplayDevicesW(adapter.DeviceName, 0, &monitor, 0))
        lstrcpynW(monitorName, monitor.DeviceString, 128);
}

void StartupDelay(int seconds) {
    // The 64-bit count: the 32-bit one wraps to zero every 49.7 days and would then look like a fresh boot.
    if (systemUptime() < kSystemJustStartedMs)
        Sleep(static_cast<DWORD>(seconds) * 1000);
}
