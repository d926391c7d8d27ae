#include "reading/far_zone.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/reference_tables.h"
#include "model/utc_offset.h"

namespace orbalis {

std::string FarZoneWarning(const BirthDetails& birth, const Catalogue& words) {
    if (birth.zoneIndex < 0 || birth.zoneIndex >= kTimeZoneCount) return {};
    const int zoneEast = ZoneRowUtcOffsetMinutes(birth);
    const double degrees = birth.longitudeDegrees + birth.longitudeMinutes / 60.0;
    const int solarEast = static_cast<int>(std::lround(degrees * 4.0)) * (birth.isEast ? 1 : -1);
    if (std::abs(zoneEast - solarEast) <= kFarZoneMinutes) return {};
    char longitude[48];
    std::snprintf(longitude, sizeof longitude, "%d\u00b0 %d\u2032 %c", birth.longitudeDegrees,
                  birth.longitudeMinutes, birth.isEast ? 'E' : 'W');
    return Fill(Tr(words,
                   "The time zone {zone} is far from {longitude} (about {solar}). Please "
                   "check the time zone."),
                {{"zone", UtcOffsetForPeople(60 * zoneEast)},
                 {"longitude", longitude},
                 {"solar", UtcOffsetForPeople(60 * solarEast)}});
}

}  // namespace orbalis
