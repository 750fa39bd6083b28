// The keyed table of profiles: three parallel arrays (ids, names, records) sharing one upper bound.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/settings_records.h"

constexpr std::size_t kProfileTableNameMax = 39;
constexpr std::size_t kProfileTableNameBytes = 80;
// Ids are one byte (1..255), so a sound table never holds more than 255 entries.
constexpr int32_t kProfileIdMax = 255;
constexpr int32_t kProfileTableMaxEntries = kProfileIdMax;
constexpr int32_t kProfileTableGrowth = 8;

// One name slot: UTF-16, NUL-terminated, stored as 80 bytes in the data file.
using ProfileTableName = std::array<char16_t, kProfileTableNameMax + 1>;
static_assert(sizeof(ProfileTableName) == kProfileTableNameBytes);

struct ProfileTable {
    std::vector<int32_t> ids; // 0 marks an empty slot
    std::vector<ProfileTableName> names;
    std::vector<ProfileRecord> records;
    int32_t count = 0;          // number of entries added
    int32_t lastIndex = 0;      // index of the entry added last
    int32_t upperBound = -1;    // of all three arrays; -1 while empty
    int32_t lastFoundIndex = 0; // one-entry cache of ProfileTableFind
};

// The one table of the process, filled by the data-file load and the profile start-up.
extern ProfileTable profileTable;

void ProfileTableReset(ProfileTable& table);
// Returns the new entry's index, or -1 when the table already holds kProfileTableMaxEntries entries.
int32_t ProfileTableAdd(ProfileTable& table, int32_t id, std::u16string_view name,
                        const ProfileRecord& record);
// The record of that id, or nullptr; the scan includes empty slots up to the upper bound.
ProfileRecord* ProfileTableFind(ProfileTable& table, int32_t id);
int32_t ProfileTableUpperIndex(const ProfileTable& table);
// Shrinks the three arrays, keeping their contents, to 0..last index (done before a save).
void ProfileTableShrinkToLastIndex(ProfileTable& table);

std::u16string ProfileTableNameText(const ProfileTableName& name);

inline void ProfileTableReset() {
    ProfileTableReset(profileTable);
}
inline int32_t ProfileTableAdd(int32_t id, std::u16string_view name, const ProfileRecord& record) {
    return ProfileTableAdd(profileTable, id, name, record);
}
inline ProfileRecord* ProfileTableFind(int32_t id) {
    return ProfileTableFind(profileTable, id);
}
inline int32_t ProfileTableUpperIndex() {
    return ProfileTableUpperIndex(profileTable);
}
