#include "monitor/monitor_startup.h"

#include <cmath>
#include <cstdint>

#include "monitor/channels.h"
#include "monitor/monitor_control.h"
#include "monitor/profiles.h"
#include "monitor/video_brightness.h"

void FindMonitorsAtStart() {
    monitorSystem.windowsVersion = static_cast<uint8_t>(std::lround(WindowsVersionNumber()));
    if (monitorSystem.windowsVersion >= 6) {
        monitorSystem.ddcCapableSystem = 1;
        FindDisplayControls();
    }
}

void StartMonitorControl() {
    for (DisplayControl& display : displayControls)
        EnableMonitorSliders(display, monitorSystem.ddcCapableSystem != 0 && !display.monitors.empty());
    InitProfiles();
    // The other displays have no profile: their monitors are read, their video level starts in the middle.
    for (DisplayControl& display : displayControls) {
        if (&display == PrimaryDisplay())
            continue;
        if (display.ddcEnabled)
            ReadMonitorIntoSliders(display, nullptr);
        if (display.videoSlider)
            SetVideoBrightness(display, VideoLevelFromPosition(GetSliderPosition(display.videoSlider)));
    }
}

void InitMonitorControl() {
    FindMonitorsAtStart();
    StartMonitorControl();
}
