#pragma once

#include "model/birth_details.h"
#include "model/reference_tables.h"

namespace orbalis::examples {

inline constexpr int kIndianTimeRow = 34;       // "Indian Time, IST, +5.3": -5 h -30 min
inline constexpr int kGreenwichRow = 29;        // "Greenwich Mean Time,GMT,0.0"
inline constexpr int kEasternStandardRow = 27;  // "Eastern Standard Time,EST,-5.0": +5 h
inline constexpr int kCentralEuropeanRow = 20;  // "Central European Time,CET,+1.0": -1 h
inline constexpr int kBritishSummerRow = 16;    // "British Summer Time,BST,+1.0": -1 h

inline BirthDetails Birth(int day, int month, int year, int hour, int minute, int zoneRow) {
    BirthDetails birth;
    birth.day = static_cast<std::int16_t>(day);
    birth.month = static_cast<std::int16_t>(month);
    birth.year = static_cast<std::int16_t>(year);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    ApplyZoneRow(birth, zoneRow);
    return birth;
}

inline BirthDetails WithPlace(BirthDetails birth, int latitudeDegrees, int latitudeMinutes,
                              bool isSouth, int longitudeDegrees, int longitudeMinutes,
                              bool isEast) {
    birth.latitudeDegrees = static_cast<std::int16_t>(latitudeDegrees);
    birth.latitudeMinutes = static_cast<std::int16_t>(latitudeMinutes);
    birth.isSouth = isSouth;
    birth.longitudeDegrees = static_cast<std::int16_t>(longitudeDegrees);
    birth.longitudeMinutes = static_cast<std::int16_t>(longitudeMinutes);
    birth.isEast = isEast;
    return birth;
}

// Delhi, 15 August 1985, 10:30 Indian time, 28°39' N 77°13' E.
inline BirthDetails Delhi1985() {
    return WithPlace(Birth(15, 8, 1985, 10, 30, kIndianTimeRow), 28, 39, false, 77, 13, true);
}

// Greenwich, 1 January 2000, 12:00 GMT, 0°0' N 0°0' W: the epoch J2000.0.
inline BirthDetails Epoch2000() {
    return WithPlace(Birth(1, 1, 2000, 12, 0, kGreenwichRow), 0, 0, false, 0, 0, false);
}

}  // namespace orbalis::examples
