#pragma once

#include "model/birth_details.h"

namespace orbalis {

// A civil date and time of day.
struct CivilMoment {
    int year, month, day, hour, minute;

    friend bool operator==(const CivilMoment&, const CivilMoment&) = default;
};

// The birth moment in universal time by calendar arithmetic, as the planets
// use it: the civil moment plus the zone row's hours and minutes (west
// positive), less one hour under daylight saving. Hour 24 is 0:mm of the
// next day.
CivilMoment PlanetMoment(const BirthDetails& birth);

}  // namespace orbalis
