#include "controls/slot_table.h"

#include <gtest/gtest.h>

namespace {

struct TestRecord {
    const void* window = nullptr;
    int value = 0;
};

int owners[8];

TEST(SlotTable, FirstSlotIsOneAndZeroMeansNone) {
    SlotTable<TestRecord> table;
    EXPECT_EQ(table.UpperBound(), 0);
    EXPECT_EQ(table.At(0), nullptr);
    EXPECT_EQ(table.At(1), nullptr);
    EXPECT_EQ(table.Alloc(), 1);
    EXPECT_NE(table.At(1), nullptr);
    EXPECT_EQ(table.At(-1), nullptr);
    EXPECT_EQ(table.At(2), nullptr);
}

TEST(SlotTable, TakenSlotsAreNeverHandedOutAgain) {
    SlotTable<TestRecord> table;
    for (int i = 0; i < 3; ++i) {
        const int slot = table.Alloc();
        EXPECT_EQ(slot, i + 1);
        table.At(slot)->window = &owners[i];
    }
    // A control that went away keeps its handle in the slot, so the next control gets a new one.
    EXPECT_EQ(table.Alloc(), 4);
}

TEST(SlotTable, AnEmptySlotIsReusedBeforeGrowing) {
    SlotTable<TestRecord> table;
    table.At(table.Alloc())->window = &owners[0];
    EXPECT_EQ(table.Alloc(), 2); // an allocated slot stays free until its window is written
    table.At(2)->window = &owners[1];
    table.At(1)->window = nullptr;
    EXPECT_EQ(table.Alloc(), 1);
    EXPECT_EQ(table.UpperBound(), 2);
}

TEST(SlotTable, GrowingKeepsTheContents) {
    SlotTable<TestRecord> table;
    for (int i = 0; i < 8; ++i) {
        const int slot = table.Alloc();
        table.At(slot)->window = &owners[i];
        table.At(slot)->value = 100 + i;
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(table.At(i + 1)->window, &owners[i]);
        EXPECT_EQ(table.At(i + 1)->value, 100 + i);
    }
}

TEST(SlotTable, FindLooksUpTheWindowFromSlotOne) {
    SlotTable<TestRecord> table;
    const int first = table.Alloc();
    table.At(first)->window = &owners[0];
    const int second = table.Alloc();
    table.At(second)->window = &owners[1];
    EXPECT_EQ(table.Find(static_cast<const void*>(&owners[1])), second);
    EXPECT_EQ(table.Find(static_cast<const void*>(&owners[2])), 0);
    EXPECT_EQ(table.Find(static_cast<const void*>(nullptr)), 0);
}

} // namespace
