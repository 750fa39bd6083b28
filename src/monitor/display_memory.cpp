#include "monitor/display_memory.h"

#include <windows.h>

#include "monitor/display_settings_store.h"
#include "monitor/monitor_control.h"
#include "monitor/video_brightness.h"

namespace {

DisplaySettingsStore store;
DisplaySettings remembered;
bool loaded = false; // without a load (tests, a start that failed early) nothing is written

bool IsPrimary(const DisplayControl& display) {
    return &display == PrimaryDisplay();
}

} // namespace

bool LoadRememberedDisplays(const std::wstring& dataFilePath) {
    store = {};
    remembered = {};
    loaded = false;
    if (dataFilePath.empty())
        return false;
    store.path = DisplaySettingsPath(dataFilePath);
    const DisplaySettingsLoad load = LoadDisplaySettings(store, remembered);
    loaded = true;
    monitorSystem.linkMonitors = remembered.linkMonitors;
    return load.tellUser;
}

const DisplaySettings& RememberedDisplaySettings() {
    return remembered;
}

void RememberBrightnessKeys(KeyCombination up, KeyCombination down, bool underPointerOnly) {
    remembered.brightnessUpKey = up;
    remembered.brightnessDownKey = down;
    remembered.keysUnderPointerOnly = underPointerOnly;
    SaveRememberedDisplays(); // a failed write keeps the choice for this run, and the exit tries again
}

void ApplyRememberedDisplay(DisplayControl& display) {
    if (IsPrimary(display))
        return;
    const DisplayEntry* entry =
        display.identity.devicePath.empty() ? nullptr : FindDisplay(remembered, display.identity.devicePath);
    ProfileRecord stored{};
    if (entry) {
        stored.brightnessPosition = entry->brightnessPosition;
        stored.contrastPosition = entry->contrastPosition;
        SetSliderPosition(display.videoSlider, entry->videoPosition, 0);
    }
    if (display.ddcEnabled)
        ReadMonitorIntoSliders(display, entry ? &stored : nullptr);
    if (display.videoSlider && monitorSystem.gammaEnabled)
        SetVideoBrightness(display, VideoLevelFromPosition(GetSliderPosition(display.videoSlider)));
}

void NoteDisplayPositions() {
    for (const DisplayControl& display : displayControls) {
        if (IsPrimary(display) || display.identity.devicePath.empty() || !display.brightnessSlider)
            continue;
        DisplayEntry& entry = NoteDisplaySeen(remembered, display.identity.devicePath, display.identity.name);
        entry.brightnessPosition = GetSliderPosition(display.brightnessSlider);
        entry.contrastPosition = GetSliderPosition(display.contrastSlider);
        entry.videoPosition = GetSliderPosition(display.videoSlider);
    }
    remembered.linkMonitors = monitorSystem.linkMonitors;
}

void SaveRememberedDisplays() {
    if (!loaded)
        return;
    NoteDisplayPositions();
    // Nothing to keep and no file yet: a user with one display and no keys gets no second file.
    if (remembered == DisplaySettings{} && GetFileAttributesW(store.path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    SaveDisplaySettings(store, remembered);
}
