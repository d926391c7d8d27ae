#include "moon/birth_instant.h"

#include <cmath>

#include "model/utc_offset.h"

namespace orbalis {

double JulianDayNumber(int month, int day, int year) {
    // Months counted from March of the year -4800, so that the leap day is
    // the last day of a counting year.
    const double m = month + 12.0 * (year + 4800) - 3.0;
    const double r = m - 12.0 * std::floor(m / 12.0);
    double j =
        std::floor((365.0 * m + 7.0 + 2.0 * r) / 12.0) + day + std::floor(m / 48.0) - 32083.0;
    // Day numbers after 4 October 1582 (Julian) are Gregorian dates.
    if (j > 2299171.0) j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    return j;
}

BirthInstantValues BirthInstant(const BirthDetails& birth) {
    BirthInstantValues values{};
    values.julianDay = JulianDayNumber(birth.month, birth.day, birth.year);
    const double clockHours = birth.hour + birth.minute / 60.0;

    values.longitudeWest = birth.longitudeDegrees + birth.longitudeMinutes / 60.0;
    if (birth.isEast) values.longitudeWest = -values.longitudeWest;

    // Zone offsets are whole quarter hours, so the hours are exact.
    values.universalHours = clockHours - BirthUtcOffsetMinutes(birth) / 60.0;
    // The day number counts from noon; the half day and the hours outside
    // 0..24 move the instant across midnight without any date arithmetic.
    values.centuriesJ2000 =
        (values.julianDay - 2451545.0 + values.universalHours / 24.0 - 0.5) / 36525.0;
    return values;
}

}  // namespace orbalis
