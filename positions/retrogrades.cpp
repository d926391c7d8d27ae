#include "positions/retrogrades.h"

#include <algorithm>
#include <array>

#include "positions/station_tables.h"

namespace orbalis {

namespace {

constexpr std::array<RetrogradePlanet, 5> kMarkedPlanets{
    RetrogradePlanet::Mercury, RetrogradePlanet::Venus, RetrogradePlanet::Mars,
    RetrogradePlanet::Jupiter, RetrogradePlanet::Saturn};

constexpr std::string_view kRetrogradeMark = " (R) ";

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr CivilDate NextDay(CivilDate date) {
    if (++date.day > DaysInMonth(date.year, date.month)) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
    return date;
}

}  // namespace

bool IsRetrograde(RetrogradePlanet planet, CivilDate birthDate) {
    const int birthDay = CivilDayNumber(birthDate.year, birthDate.month, birthDate.day);
    const std::span<const StationDays> periods = StationDayTable(planet);
    // The periods do not overlap, so only the last one that began on an
    // earlier day can hold the birth date.
    const auto after = std::partition_point(
        periods.begin(), periods.end(),
        [birthDay](const StationDays& period) { return period.retrogradeDay < birthDay; });
    if (after == periods.begin()) return false;
    return std::prev(after)->directDay > birthDay;
}

CivilDate RetrogradeLookupDate(const BirthDetails& birth) {
    const CivilDate entered{birth.year, birth.month, birth.day};
    // The form offers hour 24; 24:mm is 0:mm of the next day.
    return birth.hour >= 24 ? NextDay(entered) : entered;
}

void MarkRetrogrades(const BirthDetails& birth, ChartReading& reading) {
    const CivilDate birthDate = RetrogradeLookupDate(birth);
    for (const RetrogradePlanet planet : kMarkedPlanets) {
        if (IsRetrograde(planet, birthDate)) {
            reading.planetSanskritName[static_cast<int>(planet)] += kRetrogradeMark;
        }
    }
}

}  // namespace orbalis
