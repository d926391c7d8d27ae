#include "positions/retrogrades.h"

#include <algorithm>
#include <array>

#include "model/days_in_month.h"
#include "positions/station_tables.h"

namespace orbalis {

namespace {

constexpr std::array<RetrogradePlanet, 5> kMarkedPlanets{
    RetrogradePlanet::Mercury, RetrogradePlanet::Venus, RetrogradePlanet::Mars,
    RetrogradePlanet::Jupiter, RetrogradePlanet::Saturn};

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

// Where each year's periods begin in a planet's table, so that a lookup
// searches the few periods of the birth year rather than the whole table.
constexpr int kFirstIndexedYear = 1900;
constexpr int kLastIndexedYear = 2051;
constexpr std::size_t kIndexedYears = kLastIndexedYear - kFirstIndexedYear + 1;

struct YearStarts {
    // Entry k: the first period that begins on or after 1 January of year
    // kFirstIndexedYear + k; one entry more closes the last year.
    std::array<std::array<std::size_t, kIndexedYears + 1>, kMarkedPlanets.size()> firstPeriod{};
};

const YearStarts& PeriodsByYear() {
    static const YearStarts starts = [] {
        YearStarts built;
        for (std::size_t p = 0; p < kMarkedPlanets.size(); ++p) {
            const std::span<const StationDays> periods = StationDayTable(kMarkedPlanets[p]);
            for (std::size_t k = 0; k <= kIndexedYears; ++k) {
                const int newYear = CivilDayNumber(kFirstIndexedYear + static_cast<int>(k), 1, 1);
                built.firstPeriod[p][k] = static_cast<std::size_t>(
                    std::partition_point(periods.begin(), periods.end(),
                                         [newYear](const StationDays& period) {
                                             return period.retrogradeDay < newYear;
                                         }) -
                    periods.begin());
            }
        }
        return built;
    }();
    return starts;
}

std::size_t MarkedPlanetIndex(RetrogradePlanet planet) {
    return static_cast<std::size_t>(
        std::find(kMarkedPlanets.begin(), kMarkedPlanets.end(), planet) - kMarkedPlanets.begin());
}

}  // namespace

bool IsRetrograde(RetrogradePlanet planet, CivilDate birthDate) {
    const int birthDay = CivilDayNumber(birthDate.year, birthDate.month, birthDate.day);
    const std::span<const StationDays> periods = StationDayTable(planet);
    // Periods that began before the birth year all began before the birth
    // day, and those that begin after it all begin after: only the birth
    // year's own periods need searching. A day outside the indexed years, or
    // a date that runs into another year, searches the whole table.
    auto first = periods.begin();
    auto last = periods.end();
    const int year = birthDate.year;
    const std::size_t p = MarkedPlanetIndex(planet);
    if (p < kMarkedPlanets.size() && year >= kFirstIndexedYear && year <= kLastIndexedYear &&
        birthDay >= CivilDayNumber(year, 1, 1) && birthDay < CivilDayNumber(year + 1, 1, 1)) {
        const auto& starts = PeriodsByYear().firstPeriod[p];
        const auto k = static_cast<std::size_t>(year - kFirstIndexedYear);
        first = periods.begin() + static_cast<std::ptrdiff_t>(starts[k]);
        last = periods.begin() + static_cast<std::ptrdiff_t>(starts[k + 1]);
    }
    // The periods do not overlap, so only the last one that began on an
    // earlier day can hold the birth date.
    const auto after = std::partition_point(first, last, [birthDay](const StationDays& period) {
        return period.retrogradeDay < birthDay;
    });
    if (after == periods.begin()) return false;
    return std::prev(after)->directDay > birthDay;
}

CivilDate RetrogradeLookupDate(const BirthDetails& birth) {
    const CivilDate entered{birth.year, birth.month, birth.day};
    // The form offers hour 24; 24:mm is 0:mm of the next day.
    return birth.hour >= 24 ? NextDay(entered) : entered;
}

void MarkRetrograde(RetrogradePlanet planet, ChartReading& reading) {
    reading.planetSanskritName[static_cast<int>(planet)] += kRetrogradeMark;
}

void MarkRetrogrades(const BirthDetails& birth, ChartReading& reading) {
    const CivilDate birthDate = RetrogradeLookupDate(birth);
    for (const RetrogradePlanet planet : kMarkedPlanets) {
        if (IsRetrograde(planet, birthDate)) MarkRetrograde(planet, reading);
    }
}

}  // namespace orbalis
