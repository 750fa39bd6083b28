// The two records stored in "DataProfiles.dat": the persisted settings and one profile's slider positions.
// Both are byte-exact images of the file layout (little-endian, packed).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

static_assert(std::endian::native == std::endian::little, "the data file is stored as the host lays it out");

#pragma pack(push, 1)
struct SettingsBlock {
    int32_t profileUpperIndex;
    uint8_t reserved4[8];
    int32_t currentProfileId;
    uint8_t reserved16[4];
    int32_t startCount;
    int32_t noBlockingMode;
    uint8_t reserved28[74];
    uint8_t autoStartFlag;
    uint8_t reserved103[6];
    char16_t languageFileName[32];
    uint8_t reserved173[4282];
};

struct ProfileRecord {
    uint8_t profileTag;
    int32_t profileId;
    uint8_t reserved5[96];
    int32_t brightnessPosition;
    int32_t contrastPosition;
    int32_t videoPosition;
    uint8_t reserved113[72];
    char16_t profileName[32];
    uint8_t reserved249[320];
};
#pragma pack(pop)

constexpr std::size_t kSettingsBlockSize = 4455;
constexpr std::size_t kProfileRecordSize = 569;
constexpr std::size_t kLanguageFileNameMax = 31;
constexpr std::size_t kProfileNameMax = 31;

static_assert(sizeof(SettingsBlock) == kSettingsBlockSize);
static_assert(offsetof(SettingsBlock, profileUpperIndex) == 0);
static_assert(offsetof(SettingsBlock, currentProfileId) == 12);
static_assert(offsetof(SettingsBlock, startCount) == 20);
static_assert(offsetof(SettingsBlock, noBlockingMode) == 24);
static_assert(offsetof(SettingsBlock, autoStartFlag) == 102);
static_assert(offsetof(SettingsBlock, languageFileName) == 109);
static_assert(offsetof(SettingsBlock, reserved173) == 173);

static_assert(sizeof(ProfileRecord) == kProfileRecordSize);
static_assert(offsetof(ProfileRecord, profileTag) == 0);
static_assert(offsetof(ProfileRecord, profileId) == 1);
static_assert(offsetof(ProfileRecord, brightnessPosition) == 101);
static_assert(offsetof(ProfileRecord, contrastPosition) == 105);
static_assert(offsetof(ProfileRecord, videoPosition) == 109);
static_assert(offsetof(ProfileRecord, profileName) == 185);
static_assert(offsetof(ProfileRecord, reserved249) == 249);

using SettingsBlockBytes = std::array<uint8_t, kSettingsBlockSize>;
using ProfileRecordBytes = std::array<uint8_t, kProfileRecordSize>;

SettingsBlockBytes SettingsBlockToBytes(const SettingsBlock& block);
// Bytes missing at the end of a short input read as zero.
SettingsBlock SettingsBlockFromBytes(std::span<const uint8_t> bytes);
ProfileRecordBytes ProfileRecordToBytes(const ProfileRecord& record);
ProfileRecord ProfileRecordFromBytes(std::span<const uint8_t> bytes);

// Text fields are NUL-terminated UTF-16; longer texts are cut to the field's limit.
std::u16string GetLanguageFileName(const SettingsBlock& block);
void SetLanguageFileName(SettingsBlock& block, std::u16string_view name);
std::u16string GetProfileName(const ProfileRecord& record);
void SetProfileName(ProfileRecord& record, std::u16string_view name);

// The one settings block of the process: zero at start, filled by the data-file load.
extern SettingsBlock settings;
