#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace orbalis::dasha {

// A civil date of the Gregorian calendar, as the dasha's dates are shown.
struct DashaDate {
    std::int16_t year = 0;
    std::int8_t month = 1;  // 1..12
    std::int8_t day = 1;

    friend auto operator<=>(const DashaDate&, const DashaDate&) = default;
};

// The date of a Julian Day Number (the day that begins at the midnight
// before noon of that Julian Day), and back.
DashaDate DateOfDayNumber(std::int32_t dayNumber);
std::int32_t DayNumberOf(DashaDate date);

// "YYYY-MM-DD".
std::string DateText(DashaDate date);

// A span of years in the customary form of 12 months of 30 days, the days
// rounded to the nearest: "4y 7m 3d".
std::string YearsMonthsDaysText(double years);

}  // namespace orbalis::dasha
