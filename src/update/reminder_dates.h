// The two rules by which the reminders are timed: whole days between dates and the start-count rule.
#pragma once

#include <cstdint>
#include <string_view>

// The day the program was built, in the month-day-year form of DaysBetween.
inline constexpr std::u16string_view kBuildDate = u"03-15-2020";

// Whole days from earlierDate to laterDate; dates are "MM-DD-YYYY" (or with "/"), the year ends at a space.
// A date the calendar does not have (month 13, 30 February, a year before 1601) counts as 1 January 1601,
// as the system's conversion leaves it.
int32_t DaysBetween(std::u16string_view laterDate, std::u16string_view earlierDate);

// count > minimum and count a multiple of period (period 0 is never due).
bool StartCountDue(uint32_t count, uint32_t minimum, uint32_t period);
