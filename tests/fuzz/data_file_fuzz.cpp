// The data-file loader over arbitrary bytes: whatever a damaged disk or another program left behind.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "monitor/data_file_layout.h"
#include "monitor/profile_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    SettingsBlock block{};
    ProfileTable table;
    const LoadResult result = ParseDataFile(bytes, block, table);

    // The settings block is the file's first bytes, whatever follows.
    const SettingsBlockBytes blockBytes = SettingsBlockToBytes(block);
    for (std::size_t i = 0; i < blockBytes.size(); ++i) {
        if (blockBytes[i] != (i < size ? data[i] : 0))
            std::abort();
    }

    if (result != LoadResult::Loaded) {
        if (ProfileTableUpperIndex(table) != -1 || !table.ids.empty() || ProfileTableFind(table, 255))
            std::abort();
        if ((result == LoadResult::NoProfiles) != (block.profileUpperIndex == -1))
            std::abort();
        return 0;
    }

    const int32_t upper = block.profileUpperIndex;
    if (upper < 0 || upper > kMaxProfileUpperIndex || table.count != upper + 1 || table.lastIndex != upper ||
        ProfileTableUpperIndex(table) != upper || table.records.size() != static_cast<std::size_t>(upper) + 1)
        std::abort();

    // Writing back what was read gives the file again: its first DataFileSize(n) bytes, missing ones zero.
    const std::vector<uint8_t> written = SerializeDataFile(block, table);
    if (written.size() != DataFileSize(upper))
        std::abort();
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != (i < size ? data[i] : 0))
            std::abort();
    }

    // Every stored id is found, and the record found carries that id in the table.
    for (int32_t index = 0; index <= upper; ++index) {
        const int32_t id = table.ids[index];
        ProfileRecord* found = ProfileTableFind(table, id);
        if (!found || table.ids[table.lastFoundIndex] != id)
            std::abort();
    }

    // The table keeps growing soundly from any loaded state, up to its limit.
    const int32_t added = ProfileTableAdd(table, 255, u"Default", ProfileRecord{});
    if (added != (upper + 1 < kProfileTableMaxEntries ? upper + 1 : -1))
        std::abort();
    if (added >= 0 && ProfileTableUpperIndex(table) < added)
        std::abort();
    return 0;
}
