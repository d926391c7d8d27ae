#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "model/catalogue.h"

namespace orbalis::dasha {

// A civil date of the Gregorian calendar, as the dasha's dates are shown.
struct DashaDate {
    std::int16_t year = 0;
    std::int8_t month = 1;  // 1..12
    std::int8_t day = 1;

    friend auto operator<=>(const DashaDate&, const DashaDate&) = default;
};

// The Julian Day Number of 1970-01-01, where the day counts begin.
inline constexpr std::int32_t kUnixEpochDayNumber = 2440588;

// The date of a Julian Day Number (the day that begins at the midnight before
// noon of that Julian Day), and back. Days and dates go by eras of 400 years,
// which repeat exactly in the Gregorian calendar, each year counted from
// March so that the leap day comes last. The date takes only multiplications
// and shifts (after Neri and Schneider, "Euclidean affine functions and their
// application to calendar algorithms", 2022), inline: every period's dates
// are found this way.
constexpr DashaDate DateOfDayNumber(std::int32_t dayNumber) {
    // Counted from 1 March of a year so far back (82 eras before 1970) that
    // every day of the calendar's four-digit years is positive.
    constexpr std::uint32_t kEras = 82;
    const auto n =
        static_cast<std::uint32_t>(dayNumber - kUnixEpochDayNumber + 719468) + 146097 * kEras;
    const std::uint32_t n1 = 4 * n + 3;
    const std::uint32_t century = n1 / 146097;
    const std::uint32_t n2 = (n1 % 146097) | 3;
    const std::uint64_t p2 = std::uint64_t{2939745} * n2;
    const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
    const std::uint32_t dayOfYear = static_cast<std::uint32_t>(p2) / 2939745 / 4;
    const std::uint32_t n3 = 2141 * dayOfYear + 197913;
    const bool january = dayOfYear >= 306;  // January or February: the next year's
    const auto year = static_cast<std::int32_t>(100 * century + yearOfCentury + january) -
                      static_cast<std::int32_t>(400 * kEras);
    const std::uint32_t month = (n3 >> 16) - (january ? 12 : 0);
    const std::uint32_t day = (n3 & 0xFFFF) / 2141 + 1;
    return {static_cast<std::int16_t>(year), static_cast<std::int8_t>(month),
            static_cast<std::int8_t>(day)};
}

std::int32_t DayNumberOf(DashaDate date);

// The date today on this computer's own clock: the date the running periods
// are found for.
DashaDate LocalDateToday();

// "YYYY-MM-DD".
std::string DateText(DashaDate date);

// A span of years in the customary form of 12 months of 30 days, the days
// rounded to the nearest: "4y 7m 3d".
std::string YearsMonthsDaysText(double years);
// The same for people in the language of `words`.
std::string YearsMonthsDaysText(double years, const Catalogue& words);

}  // namespace orbalis::dasha
