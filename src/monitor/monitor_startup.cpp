#include "monitor/monitor_startup.h"

#include <cmath>
#include <cstdint>

#include "monitor/monitor_control.h"
#include "monitor/profiles.h"

void InitMonitorControl() {
    monitorState.windowsVersion = static_cast<uint8_t>(std::lround(WindowsVersionNumber()));
    if (monitorState.windowsVersion >= 6) {
        monitorState.ddcCapableSystem = 1;
        const int count = InitPhysicalMonitor();
        EnableMonitorSliders(count != 0);
    } else {
        EnableMonitorSliders(false);
    }
    InitProfiles();
}
