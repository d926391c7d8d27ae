#include "reading/far_zone.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/reference_tables.h"

namespace orbalis {
namespace {

// "UTC+5:30", "UTC−9:00" (with the minus sign U+2212), minutes east of UTC.
std::string UtcText(int minutesEast) {
    char text[32];
    std::snprintf(text, sizeof text, "UTC%s%d:%02d", minutesEast < 0 ? "\u2212" : "+",
                  std::abs(minutesEast) / 60, std::abs(minutesEast) % 60);
    return text;
}

}  // namespace

std::string FarZoneWarning(const BirthDetails& birth) {
    if (birth.zoneIndex < 0 || birth.zoneIndex >= kTimeZoneCount) return {};
    const TimeZoneRow& row = TimeZoneTable[static_cast<std::size_t>(birth.zoneIndex)];
    const int zoneEast = -(row.hours * 60 + row.minutes);
    const double degrees = birth.longitudeDegrees + birth.longitudeMinutes / 60.0;
    const int solarEast = static_cast<int>(std::lround(degrees * 4.0)) * (birth.isEast ? 1 : -1);
    if (std::abs(zoneEast - solarEast) <= kFarZoneMinutes) return {};
    char longitude[48];
    std::snprintf(longitude, sizeof longitude, "%d\u00b0 %d\u2032 %c", birth.longitudeDegrees,
                  birth.longitudeMinutes, birth.isEast ? 'E' : 'W');
    return "The time zone " + UtcText(zoneEast) + " is far from " + longitude + " (about " +
           UtcText(solarEast) + "). Please check the time zone.";
}

}  // namespace orbalis
