#include "monitor/data_file_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

void PutInt32(std::vector<uint8_t>& bytes, std::size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

void PutText(std::vector<uint8_t>& bytes, std::size_t offset, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[offset + 2 * i] = static_cast<uint8_t>(text[i] & 0xFF);
        bytes[offset + 2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
    }
}

// The file a first run leaves, laid out by hand from the documented offsets.
std::vector<uint8_t> FirstRunImage() {
    std::vector<uint8_t> bytes(5108, 0);
    PutInt32(bytes, 0, 0);    // profileUpperIndex
    PutInt32(bytes, 12, 255); // currentProfileId
    PutInt32(bytes, 20, 1);   // startCount
    bytes[102] = 1;           // autoStartFlag
    PutInt32(bytes, 4455, 255);
    PutText(bytes, 4459, u"Default");
    const std::size_t record = 4455 + 4 + 80;
    PutInt32(bytes, record + 1, 255);
    PutInt32(bytes, record + 101, 50);
    PutInt32(bytes, record + 105, 50);
    PutInt32(bytes, record + 109, 50);
    PutText(bytes, record + 185, u"Default");
    return bytes;
}

ProfileRecord DefaultRecord(int32_t brightness, int32_t contrast, int32_t video) {
    ProfileRecord record{};
    record.profileId = 255;
    record.brightnessPosition = brightness;
    record.contrastPosition = contrast;
    record.videoPosition = video;
    SetProfileName(record, u"Default");
    return record;
}

TEST(DataFileLayout, FirstRunWritesDefaultProfile) {
    SettingsBlock block{};
    block.currentProfileId = 255;
    block.startCount = 1;
    block.autoStartFlag = 1;
    ProfileTable table;
    ProfileTableAdd(table, 255, u"Default", DefaultRecord(50, 50, 50));
    ASSERT_EQ(ProfileTableUpperIndex(table), 8) << "the table still has its free slots";

    const std::vector<uint8_t> bytes = SerializeDataFile(block, table);
    EXPECT_EQ(bytes.size(), 5108u) << "only entries up to the last index are written";
    EXPECT_EQ(bytes, FirstRunImage());
}

TEST(DataFileLayout, LoadsWhatItWrote) {
    SettingsBlock block{};
    ProfileTable loaded;
    ASSERT_EQ(ParseDataFile(FirstRunImage(), block, loaded), LoadResult::Loaded);
    EXPECT_EQ(int32_t{block.startCount}, 1);
    EXPECT_EQ(int32_t{block.currentProfileId}, 255);
    EXPECT_EQ(ProfileTableUpperIndex(loaded), 0);
    EXPECT_EQ(loaded.count, 1);
    EXPECT_EQ(loaded.lastIndex, 0);
    EXPECT_EQ(ProfileTableNameText(loaded.names[0]), u"Default");
    const ProfileRecord* record = ProfileTableFind(loaded, 255);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(int32_t{record->videoPosition}, 50);
    EXPECT_EQ(GetProfileName(*record), u"Default");
}

TEST(DataFileLayout, ReservedBytesSurviveARoundTrip) {
    // Three profiles, every byte of the file non-zero except the fields that must hold their values.
    std::vector<uint8_t> original(DataFileSize(2));
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<uint8_t>(i * 13 + 7) | 1;
    PutInt32(original, 0, 2);
    SettingsBlock block{};
    ProfileTable table;
    ASSERT_EQ(ParseDataFile(original, block, table), LoadResult::Loaded);
    EXPECT_EQ(SerializeDataFile(block, table), original);
}

TEST(DataFileLayout, ShortFileReadsAsZero) {
    std::vector<uint8_t> bytes = FirstRunImage();
    const std::size_t record = 4455 + 4 + 80;
    bytes.resize(record + 105); // cut after the brightness position
    SettingsBlock block{};
    ProfileTable table;
    ASSERT_EQ(ParseDataFile(bytes, block, table), LoadResult::Loaded);
    const ProfileRecord* loaded = ProfileTableFind(table, 255);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(int32_t{loaded->brightnessPosition}, 50);
    EXPECT_EQ(int32_t{loaded->contrastPosition}, 0);
    EXPECT_EQ(int32_t{loaded->videoPosition}, 0);
    EXPECT_EQ(GetProfileName(*loaded), u"");

    // Cut inside the block: the upper index (0) is there, the start count is not.
    bytes.resize(14);
    ASSERT_EQ(ParseDataFile(bytes, block, table), LoadResult::Loaded);
    EXPECT_EQ(int32_t{block.startCount}, 0);
    EXPECT_EQ(int32_t(block.currentProfileId & 0xFFFF), 255);
    EXPECT_EQ(table.ids[0], 0);

    // An empty file is an all-zero block with one all-zero entry.
    ASSERT_EQ(ParseDataFile({}, block, table), LoadResult::Loaded);
    EXPECT_EQ(int32_t{block.startCount}, 0);
    EXPECT_EQ(ProfileTableUpperIndex(table), 0);
}

TEST(DataFileLayout, UpperIndexMinusOneKeepsSettingsWithoutProfiles) {
    std::vector<uint8_t> bytes = FirstRunImage();
    PutInt32(bytes, 0, -1);
    PutInt32(bytes, 20, 9);
    SettingsBlock block{};
    ProfileTable table;
    ProfileTableAdd(table, 3, u"old", ProfileRecord{});
    EXPECT_EQ(ParseDataFile(bytes, block, table), LoadResult::NoProfiles);
    EXPECT_EQ(int32_t{block.startCount}, 9);
    EXPECT_EQ(ProfileTableUpperIndex(table), -1) << "the previous table is gone";
    EXPECT_EQ(ProfileTableFind(table, 3), nullptr);
}

TEST(DataFileLayout, DamagedUpperIndexKeepsSettingsAndLeavesTableEmpty) {
    for (const int32_t upper : {-2, 255, 100000, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(upper);
        std::vector<uint8_t> bytes = FirstRunImage();
        PutInt32(bytes, 0, upper);
        PutInt32(bytes, 24, 1);
        PutText(bytes, 109, u"English.lng");
        SettingsBlock block{};
        ProfileTable table;
        EXPECT_EQ(ParseDataFile(bytes, block, table), LoadResult::Damaged);
        EXPECT_EQ(int32_t{block.startCount}, 1);
        EXPECT_EQ(int32_t{block.noBlockingMode}, 1);
        EXPECT_EQ(GetLanguageFileName(block), u"English.lng");
        EXPECT_EQ(ProfileTableUpperIndex(table), -1);
        EXPECT_TRUE(table.records.empty());
    }
}

TEST(DataFileLayout, LargestSoundUpperIndexLoadsFromAShortFile) {
    std::vector<uint8_t> bytes = FirstRunImage();
    PutInt32(bytes, 0, kMaxProfileUpperIndex);
    SettingsBlock block{};
    ProfileTable table;
    ASSERT_EQ(ParseDataFile(bytes, block, table), LoadResult::Loaded);
    EXPECT_EQ(table.count, 255);
    EXPECT_EQ(ProfileTableUpperIndex(table), 254);
    EXPECT_EQ(table.ids[0], 255);
    // The first entry's name and record lie where a one-entry file has them; here they are read as the
    // ids and names of further entries, and the records run past the end of the file.
    EXPECT_EQ(int32_t{table.records[254].brightnessPosition}, 0);
    EXPECT_EQ(SerializeDataFile(block, table).size(), kDataFileMaxSize);
}

TEST(DataFileLayout, BytesAfterTheLastRecordAreIgnored) {
    std::vector<uint8_t> bytes = FirstRunImage();
    bytes.resize(bytes.size() + 100, 0xAB);
    SettingsBlock block{};
    ProfileTable table;
    ASSERT_EQ(ParseDataFile(bytes, block, table), LoadResult::Loaded);
    EXPECT_EQ(SerializeDataFile(block, table), FirstRunImage());
}

TEST(DataFileLayout, EmptyTableSerialisesToNothing) {
    SettingsBlock block{};
    block.startCount = 4;
    ProfileTable table;
    EXPECT_TRUE(SerializeDataFile(block, table).empty());
}

} // namespace
