#include "positions/planet_moment.h"

#include <cmath>

#include "model/utc_offset.h"
#include "positions/planet_positions.h"

namespace orbalis {
namespace {

// Days since 1 March of year 0 of the proleptic Gregorian calendar, and back.
// Counting from March puts the leap day at the end of a counting year.
long DaysFromCivil(int year, int month, int day) {
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void CivilFromDays(long days, int& year, int& month, int& day) {
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

CivilMoment PlanetMoment(const BirthDetails& birth) {
    int minuteOfDay = birth.hour * 60 + birth.minute - BirthUtcOffsetMinutes(birth);

    // Whole days the zone shift (and an hour of 24) carries the moment over.
    int dayShift = minuteOfDay / kMinutesPerDay;
    minuteOfDay -= dayShift * kMinutesPerDay;
    if (minuteOfDay < 0) {
        minuteOfDay += kMinutesPerDay;
        --dayShift;
    }

    CivilMoment moment{};
    CivilFromDays(DaysFromCivil(birth.year, birth.month, birth.day) + dayShift, moment.year,
                  moment.month, moment.day);
    moment.hour = minuteOfDay / 60;
    moment.minute = minuteOfDay % 60;
    return moment;
}

double PlanetDayNumber(int year, int month, int day, int hour, int minute) {
    const double y = year;
    const double m = month;
    return 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) +
           std::floor(275.0 * m / 9.0) + day - 730531.5 + (hour + minute / 60.0) / 24.0;
}

}  // namespace orbalis
