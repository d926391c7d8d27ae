#include "dasha/dasha_date.h"

#include <cmath>
#include <cstdio>

namespace orbalis::dasha {
namespace {

// The Julian Day Number of 1970-01-01, where the day count below begins.
constexpr std::int32_t kUnixEpochDayNumber = 2440588;

}  // namespace

// Days and dates by eras of 400 years, which repeat exactly in the Gregorian
// calendar; each year counted from March so that the leap day comes last.
DashaDate DateOfDayNumber(std::int32_t dayNumber) {
    const std::int32_t z = dayNumber - kUnixEpochDayNumber + 719468;
    const std::int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int32_t dayOfEra = z - era * 146097;
    const std::int32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int32_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const std::int32_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const std::int32_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const std::int32_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<std::int16_t>(year), static_cast<std::int8_t>(month),
            static_cast<std::int8_t>(day)};
}

std::int32_t DayNumberOf(DashaDate date) {
    const std::int32_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int32_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int32_t yearOfEra = year - era * 400;
    const std::int32_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const std::int32_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + kUnixEpochDayNumber;
}

std::string DateText(DashaDate date) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string YearsMonthsDaysText(double years) {
    // Rounding the whole span to days carries a 30th day into the month.
    const long days = std::lround(years * 360.0);
    return std::to_string(days / 360) + "y " + std::to_string(days % 360 / 30) + "m " +
           std::to_string(days % 30) + "d";
}

}  // namespace orbalis::dasha
