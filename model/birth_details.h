#pragma once

#include <cstdint>
#include <string>

namespace orbalis {

// The years a birth may fall in: the form's year list, the companion's dates
// and the reading file all keep to them.
inline constexpr int kFirstBirthYear = 1901;
inline constexpr int kLastBirthYear = 2050;

// The input of one reading, as the birth-details form holds it: numbers
// unconverted, directions as flags. Universal time, signed degrees and the
// like are derived by the engines.
struct BirthDetails {
    std::string name;
    std::int16_t day = 1;
    std::int16_t month = 1;  // 1..12
    std::int16_t year = kFirstBirthYear;
    std::int16_t hour = 0;  // 0..24; 24:mm is 0:mm of the next day
    std::int16_t minute = 0;
    std::int16_t zoneIndex = 0;  // row of the time zone table
    std::int16_t zoneHoursAbs = 0;
    std::int16_t zoneMinutesAbs = 0;
    std::int16_t zoneHours = 0;    // west-positive: clock + zone = universal time
    std::int16_t zoneMinutes = 0;  // same sign as zoneHours
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    std::int16_t longitudeDegrees = 0;
    std::int16_t longitudeMinutes = 0;
    bool isEast = false;
    bool isSouth = false;
    bool daylightSaving = false;
    std::string city;
    std::string state;
    std::string country;

    friend bool operator==(const BirthDetails&, const BirthDetails&) = default;
};

// Sets the four zone fields from a row of the time zone table.
void ApplyZoneRow(BirthDetails& birth, int zoneIndex);

}  // namespace orbalis
