// The start of monitor control, once the main window's first slider group exists: the displays are found,
// then the profiles put their positions on the sliders. Above both, so neither has to call the other.
#pragma once

// The Windows-version gate, then the displays and their physical monitors. Displays found beyond the slider
// groups that exist have no sliders yet: the caller gives them theirs before StartMonitorControl.
void FindMonitorsAtStart();
// Enables each display's monitor sliders by whether it has monitors, applies the profiles to the primary
// display and reads every other display's monitors.
void StartMonitorControl();
// Both, for a window whose groups are all there already.
void InitMonitorControl();
