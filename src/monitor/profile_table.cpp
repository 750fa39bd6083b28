#include "monitor/profile_table.h"

#include <algorithm>

ProfileTable profileTable;

namespace {

void ResizeArrays(ProfileTable& table, int32_t upperBound) {
    const std::size_t size = static_cast<std::size_t>(upperBound + 1);
    table.ids.resize(size, 0);
    table.names.resize(size, ProfileTableName{});
    table.records.resize(size, ProfileRecord{});
    table.upperBound = upperBound;
}

ProfileTableName MakeName(std::u16string_view text) {
    ProfileTableName name{};
    std::copy_n(text.begin(), std::min(text.size(), kProfileTableNameMax), name.begin());
    return name;
}

} // namespace

void ProfileTableReset(ProfileTable& table) {
    table.ids.clear();
    table.names.clear();
    table.records.clear();
    table.count = 0;
    table.lastIndex = 0;
    table.upperBound = -1;
    // The last-found index is kept: Find checks that the cached slot still holds the id.
}

int32_t ProfileTableAdd(ProfileTable& table, int32_t id, std::u16string_view name,
                        const ProfileRecord& record) {
    const int32_t index = table.count;
    if (index >= kProfileTableMaxEntries)
        return -1;
    table.lastIndex = index;
    if (index % kProfileTableGrowth == 0 || table.upperBound < index)
        ResizeArrays(table, std::max(table.upperBound, index + kProfileTableGrowth));
    table.ids[index] = id;
    table.names[index] = MakeName(name);
    table.records[index] = record;
    ++table.count;
    return index;
}

ProfileRecord* ProfileTableFind(ProfileTable& table, int32_t id) {
    if (table.upperBound < 0)
        return nullptr;
    const int32_t cached = table.lastFoundIndex;
    const int32_t start = cached >= 0 && cached <= table.upperBound && table.ids[cached] == id ? cached : 0;
    for (int32_t index = start; index <= table.upperBound; ++index) {
        if (table.ids[index] == id) {
            table.lastFoundIndex = index;
            return &table.records[index];
        }
    }
    return nullptr;
}

int32_t ProfileTableUpperIndex(const ProfileTable& table) {
    return table.upperBound;
}

void ProfileTableShrinkToLastIndex(ProfileTable& table) {
    if (table.upperBound < 0)
        return;
    ResizeArrays(table, std::min(table.lastIndex, table.upperBound));
}

std::u16string ProfileTableNameText(const ProfileTableName& name) {
    const auto end = std::find(name.begin(), name.end(), u'\0');
    return std::u16string(name.begin(), end);
}
