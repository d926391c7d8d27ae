#include "dasha/dasha_date.h"

#include <cmath>
#include <cstdio>

namespace orbalis::dasha {
// Days and dates by eras of 400 years, which repeat exactly in the Gregorian
// calendar; each year counted from March so that the leap day comes last.
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
