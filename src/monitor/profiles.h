// The profiles kept in the data file and their effect on the sliders at start-up and at the end.
#pragma once

#include <cstdint>
#include <string_view>

#include "monitor/settings_records.h"

constexpr int32_t kDefaultProfileId = 255;
constexpr char16_t kDefaultProfileName[] = u"Default";

// Called once the data file was loaded and the sliders exist: creates the "Default" profile on the first
// start, restores the video position and reads the monitor on later starts, and counts the start.
void InitProfiles();
void CreateProfile(int32_t id, std::u16string_view name, uint8_t tag);
// A record holding the present positions of the three sliders.
ProfileRecord BuildProfileRecord(std::u16string_view name, int32_t id, uint8_t tag);
void ApplyProfile(int32_t id);
void ApplyProfileRecord(const ProfileRecord* record);
// Copies the present slider positions into the current profile and rewrites the data file.
void SaveSettings();
