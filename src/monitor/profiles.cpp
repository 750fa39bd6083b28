#include "monitor/profiles.h"

#include <cstdint>

#include "app/app_state.h"
#include "dialogs/autostart.h"
#include "monitor/data_file.h"
#include "monitor/display_memory.h"
#include "monitor/monitor_control.h"
#include "monitor/profile_table.h"

namespace {

// A later start whose file holds no record for the current profile (damaged, or saved without profiles)
// would never be written again, since an empty table saves nothing: make the "Default" profile current
// again, from the sliders as they now stand.
void EnsureCurrentProfile() {
    const int32_t id = settings.currentProfileId;
    if (id >= 1 && id <= kProfileIdMax && ProfileTableFind(id))
        return;
    settings.currentProfileId = kDefaultProfileId;
    if (!ProfileTableFind(kDefaultProfileId))
        CreateProfile(kDefaultProfileId, kDefaultProfileName, 0);
}

} // namespace

void InitProfiles() {
    monitorSystem.gammaEnabled = 1;
    if (settings.startCount == 0) {
        settings.currentProfileId = kDefaultProfileId;
        // The first look shows what the monitor has; nothing is sent to it.
        DisplayControl* primary = PrimaryDisplay();
        if (primary && primary->ddcEnabled)
            ReadMonitorIntoSliders(*primary, nullptr);
        CreateProfile(kDefaultProfileId, kDefaultProfileName, 0);
        // A file that exists but could not be read is the user's: this is no first start to register.
        if (!DataFileUnreadable())
            settings.autoStartFlag = SetAutoStart();
    } else {
        EnsureCurrentProfile();
    }
    ApplyProfile(settings.currentProfileId);
    if (settings.startCount < INT32_MAX) // a damaged count stays at the top instead of wrapping
        ++settings.startCount;
}

void CreateProfile(int32_t id, std::u16string_view name, uint8_t tag) {
    const ProfileRecord record = BuildProfileRecord(name, id, tag);
    ProfileTableAdd(id, name, record);
}

ProfileRecord BuildProfileRecord(std::u16string_view name, int32_t id, uint8_t tag) {
    ProfileRecord record{};
    record.profileTag = tag;
    if (id != 0)
        record.profileId = id;
    if (!name.empty())
        SetProfileName(record, name);
    // The profiles belong to the primary display's first monitor.
    if (const DisplayControl* primary = PrimaryDisplay()) {
        record.brightnessPosition = GetSliderPosition(primary->brightnessSlider);
        record.contrastPosition = GetSliderPosition(primary->contrastSlider);
        record.videoPosition = GetSliderPosition(primary->videoSlider);
    }
    return record;
}

void ApplyProfile(int32_t id) {
    if (id == 0)
        return;
    settings.currentProfileId = id;
    // A copy: reading the monitor pumps messages, and nothing handled there may move the table under us.
    const ProfileRecord* found = ProfileTableFind(id);
    const ProfileRecord record = found ? *found : ProfileRecord{};
    ApplyProfileRecord(found ? &record : nullptr);
}

void ApplyProfileRecord(const ProfileRecord* record) {
    if (settings.startCount == 0)
        return;
    DisplayControl* primary = PrimaryDisplay();
    if (!primary)
        return;
    if (monitorSystem.gammaEnabled && record)
        SetSliderPosition(primary->videoSlider, record->videoPosition, WM_VSCROLL);
    if (primary->ddcEnabled)
        ReadMonitorIntoSliders(*primary, record);
}

void SaveSettings() {
    if (ProfileRecord* record = ProfileTableFind(settings.currentProfileId)) {
        const ProfileRecord fresh =
            BuildProfileRecord(GetProfileName(*record), settings.currentProfileId, record->profileTag);
        *record = fresh;
    }
    ARRAY_FileSave(appState.dataFilePath);
    SaveRememberedDisplays();
}
