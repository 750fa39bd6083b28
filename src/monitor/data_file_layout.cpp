#include "monitor/data_file_layout.h"

#include <algorithm>
#include <cstring>

namespace {

// Reads consecutive fields from the buffer; whatever lies beyond its end reads as zero.
class ZeroPaddedReader {
  public:
    explicit ZeroPaddedReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    void Read(void* target, std::size_t size) {
        std::memset(target, 0, size);
        if (offset_ < bytes_.size())
            std::memcpy(target, bytes_.data() + offset_, std::min(size, bytes_.size() - offset_));
        offset_ += size;
    }

  private:
    std::span<const uint8_t> bytes_;
    std::size_t offset_ = 0;
};

template <typename Field> void Append(std::vector<uint8_t>& out, const Field& field) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&field);
    out.insert(out.end(), bytes, bytes + sizeof(Field));
}

} // namespace

LoadResult ParseDataFile(std::span<const uint8_t> bytes, SettingsBlock& settings, ProfileTable& table) {
    ProfileTableReset(table);
    ZeroPaddedReader reader(bytes);
    SettingsBlockBytes block;
    reader.Read(block.data(), block.size());
    settings = SettingsBlockFromBytes(block);

    const int32_t upperIndex = settings.profileUpperIndex;
    if (upperIndex == -1)
        return LoadResult::NoProfiles;
    if (upperIndex < 0 || upperIndex > kMaxProfileUpperIndex)
        return LoadResult::Damaged;

    const std::size_t entries = static_cast<std::size_t>(upperIndex) + 1;
    table.ids.resize(entries);
    table.names.resize(entries);
    table.records.resize(entries);
    for (int32_t& id : table.ids)
        reader.Read(&id, sizeof(id));
    for (ProfileTableName& name : table.names)
        reader.Read(name.data(), sizeof(name));
    ProfileRecordBytes record;
    for (ProfileRecord& entry : table.records) {
        reader.Read(record.data(), record.size());
        entry = ProfileRecordFromBytes(record);
    }
    table.count = upperIndex + 1;
    table.lastIndex = upperIndex;
    table.upperBound = upperIndex;
    return LoadResult::Loaded;
}

std::vector<uint8_t> SerializeDataFile(const SettingsBlock& settings, const ProfileTable& table) {
    const int32_t upperIndex = std::min(table.lastIndex, table.upperBound);
    if (upperIndex < 0)
        return {};
    const std::size_t entries = static_cast<std::size_t>(upperIndex) + 1;

    SettingsBlock block = settings;
    block.profileUpperIndex = upperIndex;
    std::vector<uint8_t> out;
    out.reserve(DataFileSize(upperIndex));
    Append(out, SettingsBlockToBytes(block));
    for (std::size_t i = 0; i < entries; ++i)
        Append(out, table.ids[i]);
    for (std::size_t i = 0; i < entries; ++i)
        Append(out, table.names[i]);
    for (std::size_t i = 0; i < entries; ++i)
        Append(out, ProfileRecordToBytes(table.records[i]));
    return out;
}
