// Minimal start-up until the data file lands: counts the start and keeps the sliders where they are.
#include "monitor/profiles.h"

#include "monitor/monitor_control.h"

void InitProfiles() {
    monitorState.gammaEnabled = 1;
    ++settings.startCount;
}
