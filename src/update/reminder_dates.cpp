#include "update/reminder_dates.h"

#include <array>

namespace {

// The largest year the system's calendar conversion accepts.
constexpr int64_t kLastYear = 30827;

int64_t LeadingNumber(std::u16string_view field) {
    int64_t value = 0;
    for (char16_t c : field) {
        if (c < u'0' || c > u'9' || value > 1'000'000) {
            break;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

bool IsLeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int64_t DaysInMonth(int64_t year, int64_t month) {
    constexpr std::array<int64_t, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 March of year 0 in the proleptic Gregorian calendar; counting from March puts the leap day
// at the end of the counting year.
constexpr int64_t CivilDays(int64_t year, int64_t month, int64_t day) {
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = y / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

// Days since 1 January 1601 (the system's time origin); 0 for a date the calendar does not have.
int64_t DayNumber(std::u16string_view date) {
    std::array<std::u16string_view, 3> fields{};
    std::size_t index = 0;
    while (index < fields.size()) {
        const std::size_t separator = date.find_first_of(u"-/");
        fields[index++] = date.substr(0, separator);
        if (separator == std::u16string_view::npos) {
            break;
        }
        date.remove_prefix(separator + 1);
    }
    const int64_t month = LeadingNumber(fields[0]);
    const int64_t day = LeadingNumber(fields[1]);
    const int64_t year = LeadingNumber(fields[2].substr(0, fields[2].find(u' ')));
    if (year < 1601 || year > kLastYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return 0;
    }
    return CivilDays(year, month, day) - CivilDays(1601, 1, 1);
}

} // namespace

int32_t DaysBetween(std::u16string_view laterDate, std::u16string_view earlierDate) {
    return static_cast<int32_t>(DayNumber(laterDate) - DayNumber(earlierDate));
}

bool StartCountDue(uint32_t count, uint32_t minimum, uint32_t period) {
    return period != 0 && count > minimum && count % period == 0;
}
