#pragma once

namespace orbalis {

// Days in a month (1..12) of the Gregorian calendar; 0 for a month outside it.
constexpr int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// True for a day that the calendar has: no 30 February, no 31 April.
constexpr bool IsCalendarDate(int year, int month, int day) {
    return day >= 1 && day <= DaysInMonth(year, month);
}

}  // namespace orbalis
