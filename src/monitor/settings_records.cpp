#include "monitor/settings_records.h"

#include <algorithm>
#include <cstring>

#include "i18n/text_cut.h"

namespace {

template <typename Record> std::array<uint8_t, sizeof(Record)> ToBytes(const Record& record) {
    std::array<uint8_t, sizeof(Record)> bytes;
    std::memcpy(bytes.data(), &record, sizeof(Record));
    return bytes;
}

template <typename Record> Record FromBytes(std::span<const uint8_t> bytes) {
    Record record;
    std::memset(&record, 0, sizeof(Record));
    if (!bytes.empty())
        std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof(Record)));
    return record;
}

// Packed fields sit at odd offsets, so the text is copied unit by unit through memcpy.
std::u16string ReadText(const uint8_t* field, std::size_t maxUnits) {
    std::u16string text;
    for (std::size_t i = 0; i < maxUnits; ++i) {
        char16_t unit;
        std::memcpy(&unit, field + i * sizeof(char16_t), sizeof(unit));
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

void WriteText(uint8_t* field, std::size_t fieldUnits, std::u16string_view text) {
    std::memset(field, 0, fieldUnits * sizeof(char16_t));
    const std::size_t count = CutText(text, fieldUnits - 1).size();
    std::memcpy(field, text.data(), count * sizeof(char16_t));
}

uint8_t* FieldBytes(void* record, std::size_t offset) {
    return static_cast<uint8_t*>(record) + offset;
}
const uint8_t* FieldBytes(const void* record, std::size_t offset) {
    return static_cast<const uint8_t*>(record) + offset;
}

} // namespace

SettingsBlockBytes SettingsBlockToBytes(const SettingsBlock& block) {
    return ToBytes(block);
}
SettingsBlock SettingsBlockFromBytes(std::span<const uint8_t> bytes) {
    return FromBytes<SettingsBlock>(bytes);
}
ProfileRecordBytes ProfileRecordToBytes(const ProfileRecord& record) {
    return ToBytes(record);
}
ProfileRecord ProfileRecordFromBytes(std::span<const uint8_t> bytes) {
    return FromBytes<ProfileRecord>(bytes);
}

std::u16string GetLanguageFileName(const SettingsBlock& block) {
    return ReadText(FieldBytes(&block, offsetof(SettingsBlock, languageFileName)), kLanguageFileNameMax + 1);
}

void SetLanguageFileName(SettingsBlock& block, std::u16string_view name) {
    WriteText(FieldBytes(&block, offsetof(SettingsBlock, languageFileName)), kLanguageFileNameMax + 1, name);
}

std::u16string GetProfileName(const ProfileRecord& record) {
    return ReadText(FieldBytes(&record, offsetof(ProfileRecord, profileName)), kProfileNameMax + 1);
}

void SetProfileName(ProfileRecord& record, std::u16string_view name) {
    WriteText(FieldBytes(&record, offsetof(ProfileRecord, profileName)), kProfileNameMax + 1, name);
}

SettingsBlock settings{};
