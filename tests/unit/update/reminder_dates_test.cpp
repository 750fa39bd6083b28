#include "update/reminder_dates.h"

#include <gtest/gtest.h>

namespace {

TEST(DaysBetween, CountsWholeCalendarDays) {
    const struct {
        const char16_t* later;
        const char16_t* earlier;
        int32_t days;
    } cases[] = {
        {u"03-15-2020", u"03-15-2020", 0},   {u"03-16-2020", u"03-15-2020", 1},
        {u"03/16/2020", u"03-15-2020", 1},   {u"03/16/2020", u"03/15/2020", 1},
        {u"03-01-2020", u"02-28-2020", 2}, // across the leap day
        {u"03-01-2021", u"02-28-2021", 1},   {u"03-01-2000", u"02-28-2000", 2},
        {u"03-01-1900", u"02-28-1900", 1},   {u"01-01-2021", u"12-31-2020", 1}, // across a year end
        {u"03-15-2021", u"03-15-2020", 365}, {u"10-01-2020", u"03-15-2020", 200},
        {u"03-15-2020", u"03-16-2020", -1},  {u"03-16-2020 23:59:59", u"03-15-2020", 1},
        {u"01-01-1601", u"01-01-1601", 0},   {u"12-31-30827", u"01-01-1601", 10674941},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaysBetween(c.later, c.earlier), c.days);
    }
}

TEST(DaysBetween, DatesTheCalendarLacksCountAsTheTimeOrigin) {
    EXPECT_EQ(DaysBetween(u"13-01-2020", u"01-01-1601"), 0);
    EXPECT_EQ(DaysBetween(u"02-30-2020", u"01-02-1601"), -1);
    EXPECT_EQ(DaysBetween(u"", u""), 0);
    EXPECT_EQ(DaysBetween(u"garbage", u"03-15-2020"), DaysBetween(u"01-01-1601", u"03-15-2020"));
    EXPECT_EQ(DaysBetween(u"03-15-99999999999999", u"01-01-1601"), 0);
    EXPECT_EQ(DaysBetween(u"02-29-2020", u"02-28-2020"), 1);
    EXPECT_EQ(DaysBetween(u"02-29-2021", u"01-01-1601"), 0);
}

TEST(StartCountDue, NeedsMoreThanTheMinimumAndAMultipleOfThePeriod) {
    const struct {
        uint32_t count, minimum, period;
        bool due;
    } cases[] = {
        {80, 40, 40, true},  {81, 40, 40, false},  {40, 40, 40, false},       {120, 40, 40, true},
        {100, 40, 50, true}, {120, 100, 40, true}, {80, 100, 40, false},      {0, 0, 1, false},
        {1, 0, 1, true},     {5, 0, 0, false},     {4294967295u, 0, 5, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartCountDue(c.count, c.minimum, c.period), c.due)
            << c.count << " " << c.minimum << " " << c.period;
    }
}

} // namespace
