#include "reading/far_zone.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/reference_tables.h"
#include "model/utc_offset.h"

namespace orbalis {

std::string FarZoneWarning(const BirthDetails& birth) {
    if (birth.zoneIndex < 0 || birth.zoneIndex >= kTimeZoneCount) return {};
    const int zoneEast = ZoneRowUtcOffsetMinutes(birth);
    const double degrees = birth.longitudeDegrees + birth.longitudeMinutes / 60.0;
    const int solarEast = static_cast<int>(std::lround(degrees * 4.0)) * (birth.isEast ? 1 : -1);
    if (std::abs(zoneEast - solarEast) <= kFarZoneMinutes) return {};
    char longitude[48];
    std::snprintf(longitude, sizeof longitude, "%d\u00b0 %d\u2032 %c", birth.longitudeDegrees,
                  birth.longitudeMinutes, birth.isEast ? 'E' : 'W');
    return "The time zone " + UtcOffsetForPeople(60 * zoneEast) + " is far from " + longitude +
           " (about " + UtcOffsetForPeople(60 * solarEast) + "). Please check the time zone.";
}

}  // namespace orbalis
