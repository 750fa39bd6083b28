#include "monitor/profile_table.h"

#include <gtest/gtest.h>

namespace {

ProfileRecord RecordWithBrightness(int32_t position) {
    ProfileRecord record{};
    record.brightnessPosition = position;
    return record;
}

TEST(ProfileTable, EmptyTableHasNoUpperIndexAndFindsNothing) {
    ProfileTable table;
    EXPECT_EQ(ProfileTableUpperIndex(table), -1);
    EXPECT_EQ(ProfileTableFind(table, 255), nullptr);
    EXPECT_EQ(ProfileTableFind(table, 0), nullptr) << "no slots at all, not even empty ones";
}

TEST(ProfileTable, GrowsByEightAtEveryMultipleOfEight) {
    ProfileTable table;
    EXPECT_EQ(ProfileTableAdd(table, 255, u"Default", RecordWithBrightness(50)), 0);
    EXPECT_EQ(ProfileTableUpperIndex(table), 8) << "the first entry brings eight free slots with it";
    EXPECT_EQ(table.count, 1);
    EXPECT_EQ(table.lastIndex, 0);

    for (int32_t id = 1; id <= 8; ++id)
        EXPECT_EQ(ProfileTableAdd(table, id, u"p", RecordWithBrightness(id)), id);
    EXPECT_EQ(ProfileTableUpperIndex(table), 16);
    EXPECT_EQ(table.lastIndex, 8);
    EXPECT_EQ(table.ids.size(), 17u);
    EXPECT_EQ(table.names.size(), 17u);
    EXPECT_EQ(table.records.size(), 17u);
    // Growing kept what was there.
    EXPECT_EQ(table.ids[0], 255);
    EXPECT_EQ(ProfileTableNameText(table.names[0]), u"Default");
    EXPECT_EQ(int32_t{ProfileTableFind(table, 255)->brightnessPosition}, 50);
    EXPECT_EQ(int32_t{ProfileTableFind(table, 7)->brightnessPosition}, 7);
}

TEST(ProfileTable, AddBeyondAnExactlySizedTableGrows) {
    ProfileTable table;
    // As after a load of three entries: arrays 0..2, no free slot.
    for (int32_t id = 1; id <= 3; ++id)
        ProfileTableAdd(table, id, u"p", RecordWithBrightness(id));
    ProfileTableShrinkToLastIndex(table);
    ASSERT_EQ(ProfileTableUpperIndex(table), 2);

    EXPECT_EQ(ProfileTableAdd(table, 9, u"new", RecordWithBrightness(9)), 3);
    EXPECT_EQ(ProfileTableUpperIndex(table), 11);
    EXPECT_EQ(int32_t{ProfileTableFind(table, 2)->brightnessPosition}, 2);
    EXPECT_EQ(int32_t{ProfileTableFind(table, 9)->brightnessPosition}, 9);
}

TEST(ProfileTable, NamesAreCutToThirtyNineCharacters) {
    ProfileTable table;
    const std::u16string longName(50, u'x');
    ProfileTableAdd(table, 1, longName, ProfileRecord{});
    EXPECT_EQ(ProfileTableNameText(table.names[0]), longName.substr(0, 39));
    EXPECT_EQ(table.names[0][39], u'\0');
}

TEST(ProfileTable, RefusesMoreEntriesThanOneByteIdsAllow) {
    ProfileTable table;
    for (int32_t i = 0; i < kProfileTableMaxEntries; ++i)
        ASSERT_EQ(ProfileTableAdd(table, i % 255 + 1, u"p", ProfileRecord{}), i);
    EXPECT_EQ(ProfileTableAdd(table, 1, u"one too many", ProfileRecord{}), -1);
    EXPECT_EQ(table.count, kProfileTableMaxEntries);
    EXPECT_EQ(table.lastIndex, kProfileTableMaxEntries - 1);
}

TEST(ProfileTable, FindRemembersTheLastHit) {
    ProfileTable table;
    ProfileTableAdd(table, 5, u"a", RecordWithBrightness(1));
    ProfileTableAdd(table, 7, u"b", RecordWithBrightness(2));
    ProfileTableAdd(table, 255, u"c", RecordWithBrightness(3));
    EXPECT_EQ(int32_t{ProfileTableFind(table, 255)->brightnessPosition}, 3);
    EXPECT_EQ(table.lastFoundIndex, 2);
    EXPECT_EQ(ProfileTableFind(table, 42), nullptr);
    EXPECT_EQ(table.lastFoundIndex, 2) << "a miss keeps the cache";
    EXPECT_EQ(int32_t{ProfileTableFind(table, 5)->brightnessPosition}, 1);
    EXPECT_EQ(table.lastFoundIndex, 0);
}

TEST(ProfileTable, CachedSlotIsUsedOnlyWhileItHoldsTheId) {
    ProfileTable table;
    ProfileTableAdd(table, 1, u"a", RecordWithBrightness(1));
    ProfileTableAdd(table, 2, u"b", RecordWithBrightness(2));
    ProfileTableAdd(table, 255, u"c", RecordWithBrightness(3));
    ProfileTableFind(table, 255);
    ASSERT_EQ(table.lastFoundIndex, 2);

    // A reset keeps the cache; the next table holds the id twice, once in the cached slot.
    ProfileTableReset(table);
    EXPECT_EQ(ProfileTableUpperIndex(table), -1);
    ProfileTableAdd(table, 255, u"first", RecordWithBrightness(10));
    ProfileTableAdd(table, 3, u"x", RecordWithBrightness(11));
    ProfileTableAdd(table, 255, u"second", RecordWithBrightness(12));
    EXPECT_EQ(int32_t{ProfileTableFind(table, 255)->brightnessPosition}, 12)
        << "the scan starts at the cached slot";

    // The cached slot no longer holds the id: the scan starts at 0.
    ProfileTableReset(table);
    ProfileTableAdd(table, 255, u"only", RecordWithBrightness(20));
    EXPECT_EQ(int32_t{ProfileTableFind(table, 255)->brightnessPosition}, 20);
    EXPECT_EQ(table.lastFoundIndex, 0);
}

TEST(ProfileTable, ResetEmptiesTheTable) {
    ProfileTable table;
    ProfileTableAdd(table, 255, u"Default", ProfileRecord{});
    ProfileTableReset(table);
    EXPECT_EQ(ProfileTableUpperIndex(table), -1);
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(table.lastIndex, 0);
    EXPECT_TRUE(table.ids.empty());
    EXPECT_EQ(ProfileTableFind(table, 255), nullptr);
    EXPECT_EQ(ProfileTableAdd(table, 4, u"again", ProfileRecord{}), 0);
}

} // namespace
