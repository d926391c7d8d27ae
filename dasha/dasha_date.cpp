#include "dasha/dasha_date.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

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

DashaDate LocalDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {static_cast<std::int16_t>(local.tm_year + 1900),
            static_cast<std::int8_t>(local.tm_mon + 1), static_cast<std::int8_t>(local.tm_mday)};
}

std::string DateText(DashaDate date) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string YearsMonthsDaysText(double years) {
    // Rounding the whole span to days carries a 30th day into the month.
    const long days = std::lround(years * 360.0);
    char text[48];
    char* at = text;
    for (const auto& [count, unit] :
         {std::pair{days / 360, 'y'}, std::pair{days % 360 / 30, 'm'}, std::pair{days % 30, 'd'}}) {
        if (at != text) *at++ = ' ';
        at = std::to_chars(at, text + sizeof text - 1, count).ptr;
        *at++ = unit;
    }
    return std::string(text, at);
}

std::string YearsMonthsDaysText(double years, const Catalogue& words) {
    const long days = std::lround(years * 360.0);
    return Fill(Tr(words, "{years}y {months}m {days}d"),
                {{"years", std::to_string(days / 360)},
                 {"months", std::to_string(days % 360 / 30)},
                 {"days", std::to_string(days % 30)}});
}

}  // namespace orbalis::dasha
