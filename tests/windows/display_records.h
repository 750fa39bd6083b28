// The tests' view of the per-display records: the first display and its first monitor, and a way to start
// from no displays with every earlier request cancelled.
#pragma once

#include <windows.h>

#include "monitor/monitor_control.h"

// The first display's record; made (as the primary display, without monitors) when there is none.
inline DisplayControl& FirstDisplay() {
    if (displayControls.empty())
        displayControls.emplace_back().identity.primary = true;
    return displayControls.front();
}

// The first display's first physical monitor's handle; 0 when none was handed out.
inline HANDLE FirstMonitorHandle() {
    const DisplayControl& display = FirstDisplay();
    return display.monitors.empty() ? nullptr : display.monitors.front().handle;
}

inline PhysicalMonitorControl& FirstMonitor() {
    return FirstDisplay().monitors.front();
}

// Forgets the handles found (without releasing them, as a test that swaps the simulated monitor needs)
// after cancelling every waiting request, so no earlier worker sends into the next test. The sliders stay.
inline void ForgetFoundMonitors() {
    for (DisplayControl& display : displayControls) {
        ForgetMonitorRequests(display);
        for (PhysicalMonitorControl& monitor : display.monitors)
            monitor.share->liveHandle.store(nullptr);
        display.monitors.clear();
        display.ddcEnabled = 0;
    }
}

// Workers of earlier tests that are inside their send (their handles were forgotten without release).
inline int WorkersSending() {
    int sending = 0;
    for (const DisplayControl& display : displayControls)
        for (const PhysicalMonitorControl& monitor : display.monitors)
            sending += monitor.share->workersSending.load();
    return sending;
}
