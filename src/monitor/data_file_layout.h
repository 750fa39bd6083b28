// The layout of "DataProfiles.dat": the settings block, then ids, names and records of entries 0..n,
// where n is the block's profileUpperIndex. Parsed and written over byte buffers only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "monitor/profile_table.h"
#include "monitor/settings_records.h"

// A larger upper index cannot come from this program (ids are one byte): the file is damaged.
constexpr int32_t kMaxProfileUpperIndex = kProfileTableMaxEntries - 1;
constexpr std::size_t kDataFileEntrySize = sizeof(int32_t) + kProfileTableNameBytes + kProfileRecordSize;
constexpr std::size_t kDataFileMaxSize =
    kSettingsBlockSize + kDataFileEntrySize * static_cast<std::size_t>(kMaxProfileUpperIndex + 1);

enum class LoadResult {
    Loaded,     // the table holds entries 0..n
    NoProfiles, // n is -1: the settings are in effect, the table is empty
    Damaged,    // n is out of range: the settings are in effect, the table is empty
};

constexpr std::size_t DataFileSize(int32_t upperIndex) {
    return kSettingsBlockSize + kDataFileEntrySize * static_cast<std::size_t>(upperIndex + 1);
}

// Resets the table, then fills the block and the table from the file image. Bytes missing at the end
// read as zero; bytes beyond the last record are ignored.
LoadResult ParseDataFile(std::span<const uint8_t> bytes, SettingsBlock& settings, ProfileTable& table);

// The file image of the block and the table's entries 0..last index; the block's profileUpperIndex is
// written as the last index. The table must not be empty.
std::vector<uint8_t> SerializeDataFile(const SettingsBlock& settings, const ProfileTable& table);
