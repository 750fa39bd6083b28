#include "monitor/display_changes.h"

#include <cwchar>

#include "app/app_state.h"
#include "monitor/channels.h"
#include "monitor/display_memory.h"
#include "monitor/monitor_control.h"
#include "monitor/panel_displays.h"
#include "monitor/video_brightness.h"
#include "platform/session_notifications.h"

namespace {

constexpr UINT kRetryMs = 100; // a worker was sending through the old handle; it is done in moments
// Every wake sends the first, the display perhaps still dark, so nothing answers; the second follows once a
// user is back and the display is on. The settle timer makes one re-find of the two.
constexpr WPARAM kResumeAutomatic = 0x12; // PBT_APMRESUMEAUTOMATIC
constexpr WPARAM kResumeByUser = 0x7;     // PBT_APMRESUMESUSPEND

bool refinding = false;

void StartSettleTimer(HWND window, UINT delay) {
    SetTimer(window, IDT_DISPLAY_SETTLE, delay, nullptr); // the same id replaces a running timer
}

bool IsDisplayChange(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        return true;
    case WM_POWERBROADCAST:
        return wParam == kResumeAutomatic || wParam == kResumeByUser;
    case kSessionChangeMessage:
        return wParam == kSessionUnlock || wParam == kConsoleConnect || wParam == kRemoteConnect;
    default:
        return false;
    }
}

} // namespace

bool NoteDisplayChange(HWND window, UINT message, WPARAM wParam) {
    if (!IsDisplayChange(message, wParam))
        return false;
    StartSettleTimer(window, kDisplaySettleMs);
    return true;
}

void RefindMonitor(HWND window, SliderGroupsProc groupsChanged) {
    KillTimer(window, IDT_DISPLAY_SETTLE);
    // Reading a monitor pumps messages; a tick arriving meanwhile comes back once that read is done.
    if (refinding || MonitorReadRunning()) {
        StartSettleTimer(window, kRetryMs);
        return;
    }
    // The registration fails when it is asked too early in a logon; each re-find asks again.
    RegisterSessionNotifications(window);
    if (monitorSystem.ddcCapableSystem != 0) {
        if (!ReleaseAllPhysicalMonitors()) {
            StartSettleTimer(window, kRetryMs);
            return;
        }
        refinding = true;
        // A display about to go keeps its positions; one that stays takes them back below.
        NoteDisplayPositions();
        std::vector<HWND> surplusSliders;
        const int count = FindDisplayControls(&surplusSliders);
        // A panel may have come or gone with the displays, or WMI answers again after a resume.
        FindDisplayPanels(window);
        wchar_t trace[64];
        std::swprintf(trace, 64, L"Glimra: monitor found again: %d\n", count);
        OutputDebugStringW(trace);
        if (groupsChanged)
            groupsChanged(surplusSliders);
        for (std::size_t k = 0; k < displayControls.size(); ++k) {
            DisplayControl& display = displayControls[k];
            EnableMonitorSliders(display, !display.monitors.empty());
            // A new monitor has been sent nothing yet.
            ForgetMonitorRequests(display);
            if (&display != PrimaryDisplay()) {
                ApplyRememberedDisplay(display);
                continue;
            }
            if (display.monitors.empty() && !display.panel)
                continue;
            // In no-blocking mode a monitor that does not answer gets the positions the user sees now.
            ProfileRecord present{};
            present.brightnessPosition = GetSliderPosition(display.brightnessSlider);
            present.contrastPosition = GetSliderPosition(display.contrastSlider);
            ReadMonitorIntoSliders(display, &present);
        }
        refinding = false;
        if (!surplusSliders.empty())
            SaveRememberedDisplays(); // a display went: its positions are kept at once
    }
    if (monitorSystem.gammaEnabled) {
        for (DisplayControl& display : displayControls)
            if (display.videoSlider)
                SetVideoBrightness(display, VideoLevelFromPosition(GetSliderPosition(display.videoSlider)));
    }
}
