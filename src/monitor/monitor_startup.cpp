#include "monitor/monitor_startup.h"

#include <cmath>
#include <cstdint>

#include "app/app_state.h"
#include "monitor/display_memory.h"
#include "monitor/monitor_control.h"
#include "monitor/panel_displays.h"
#include "monitor/profiles.h"

void FindMonitorsAtStart() {
    monitorSystem.windowsVersion = static_cast<uint8_t>(std::lround(WindowsVersionNumber()));
    if (monitorSystem.windowsVersion >= 6) {
        monitorSystem.ddcCapableSystem = 1;
        FindDisplayControls();
        FindDisplayPanels(appState.mainWindow);
    }
}

void StartMonitorControl() {
    for (DisplayControl& display : displayControls)
        EnableMonitorSliders(display, monitorSystem.ddcCapableSystem != 0 && !display.monitors.empty());
    InitProfiles();
    // The other displays have no profile: they take what "Displays.ini" remembers of them. By index: the
    // reads pump messages.
    for (std::size_t k = 0; k < displayControls.size(); ++k)
        ApplyRememberedDisplay(displayControls[k]);
}

void InitMonitorControl() {
    FindMonitorsAtStart();
    StartMonitorControl();
}
