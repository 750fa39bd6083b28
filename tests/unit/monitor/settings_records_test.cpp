#include "monitor/settings_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

int32_t ReadInt32(const uint8_t* bytes) {
    return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                static_cast<uint32_t>(bytes[3]) << 24);
}

TEST(SettingsBlock, FieldsLandAtTheirFileOffsetsLittleEndian) {
    SettingsBlock block{};
    block.profileUpperIndex = 0;
    block.currentProfileId = 255;
    block.startCount = 0x01020304;
    block.noBlockingMode = 1;
    block.autoStartFlag = 3;
    SetLanguageFileName(block, u"English.lng");

    const SettingsBlockBytes bytes = SettingsBlockToBytes(block);
    EXPECT_EQ(ReadInt32(&bytes[12]), 255);
    EXPECT_EQ(bytes[20], 0x04);
    EXPECT_EQ(bytes[23], 0x01);
    EXPECT_EQ(ReadInt32(&bytes[24]), 1);
    EXPECT_EQ(bytes[102], 3);
    EXPECT_EQ(bytes[109], 'E');
    EXPECT_EQ(bytes[110], 0);
    EXPECT_EQ(bytes[111], 'n');
}

TEST(SettingsBlock, ReservedBytesSurviveARoundTrip) {
    std::vector<uint8_t> original(kSettingsBlockSize);
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<uint8_t>(i * 7 + 1);
    const SettingsBlock block = SettingsBlockFromBytes(original);
    const SettingsBlockBytes written = SettingsBlockToBytes(block);
    EXPECT_TRUE(std::equal(written.begin(), written.end(), original.begin()));
}

TEST(SettingsBlock, ShortInputReadsAsZero) {
    std::vector<uint8_t> shortFile(22, 0xFF);
    const SettingsBlock block = SettingsBlockFromBytes(shortFile);
    EXPECT_EQ(block.profileUpperIndex, -1);
    EXPECT_EQ(block.startCount, 0xFFFF) << "bytes 20 and 21 present, 22 and 23 missing";
    EXPECT_EQ(block.noBlockingMode, 0);
    EXPECT_EQ(block.autoStartFlag, 0);
}

TEST(SettingsBlock, LanguageFileNameIsCutToThirtyOneCharacters) {
    SettingsBlock block{};
    const std::u16string forty = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
    SetLanguageFileName(block, forty);
    EXPECT_EQ(GetLanguageFileName(block), forty.substr(0, 31));
    const SettingsBlockBytes bytes = SettingsBlockToBytes(block);
    EXPECT_EQ(bytes[109 + 62], 0);
    EXPECT_EQ(bytes[109 + 63], 0);

    // A cut inside a surrogate pair leaves the whole character out rather than half of it.
    SetLanguageFileName(block, std::u16string(30, u'x') + u"\U0001F600.lng");
    EXPECT_EQ(GetLanguageFileName(block), std::u16string(30, u'x'));
}

TEST(ProfileRecord, PackedFieldsLandAtOddOffsets) {
    ProfileRecord record{};
    record.profileTag = 9;
    record.profileId = 255;
    record.brightnessPosition = 50;
    record.contrastPosition = 51;
    record.videoPosition = 52;
    SetProfileName(record, u"Default");

    const ProfileRecordBytes bytes = ProfileRecordToBytes(record);
    EXPECT_EQ(bytes[0], 9);
    EXPECT_EQ(ReadInt32(&bytes[1]), 255);
    EXPECT_EQ(ReadInt32(&bytes[101]), 50);
    EXPECT_EQ(ReadInt32(&bytes[105]), 51);
    EXPECT_EQ(ReadInt32(&bytes[109]), 52);
    EXPECT_EQ(bytes[185], 'D');
    EXPECT_EQ(bytes[185 + 12], 't');
    EXPECT_EQ(bytes[185 + 14], 0);
    EXPECT_EQ(GetProfileName(ProfileRecordFromBytes(bytes)), u"Default");
}

TEST(ProfileRecord, ReservedBytesSurviveARoundTrip) {
    std::vector<uint8_t> original(kProfileRecordSize);
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<uint8_t>(255 - i);
    const ProfileRecordBytes written = ProfileRecordToBytes(ProfileRecordFromBytes(original));
    EXPECT_TRUE(std::equal(written.begin(), written.end(), original.begin()));
}

} // namespace
