// The start of monitor control, once the main window's sliders exist: the monitor is found, then the
// profiles put their positions on the sliders. Above both, so neither has to call the other.
#pragma once

// The Windows-version gate, the physical monitor and the enabling of the monitor sliders, then InitProfiles.
void InitMonitorControl();
