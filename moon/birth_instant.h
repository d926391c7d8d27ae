#pragma once

#include "model/birth_details.h"

namespace orbalis {

// Julian Day Number of a civil date (the Julian Date at noon of that date):
// Julian calendar up to 4 October 1582, Gregorian after.
double JulianDayNumber(int month, int day, int year);

struct BirthInstantValues {
    double julianDay;
    double universalHours;  // may be negative or 24 and more
    double longitudeWest;   // degrees, west positive
    double centuriesJ2000;
};

BirthInstantValues BirthInstant(const BirthDetails& birth);

}  // namespace orbalis
