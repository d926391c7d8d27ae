#pragma once

#include <string>

#include "model/birth_details.h"
#include "model/catalogue.h"

namespace orbalis {

// The standard offset of a birth's zone row from universal time, in minutes,
// east-positive (the row itself is west-positive).
constexpr int ZoneRowUtcOffsetMinutes(const BirthDetails& birth) {
    return -(birth.zoneHours * 60 + birth.zoneMinutes);
}

// The offset from universal time of the clock a birth was read on, in
// minutes, east-positive: the zone row's offset, an hour later with daylight
// saving. Clock time minus it is universal time, whichever side of Greenwich
// the place itself lies: the longitude plays no part.
constexpr int BirthUtcOffsetMinutes(const BirthDetails& birth) {
    return ZoneRowUtcOffsetMinutes(birth) + (birth.daylightSaving ? 60 : 0);
}

// "+05:30", "-04:00", "+00:00"; seconds only where there are some:
// "+05:21:10". The form programs read (JSON, CSV).
std::string UtcOffsetText(int offsetSeconds);

// "UTC+05:30", "UTC−09:00" with a true minus sign: the form people read,
// the same in every window, message and document.
std::string UtcOffsetForPeople(int offsetSeconds);

// The offset a birth was read with, daylight saving included, and the zone
// row as the list shows it: "UTC+05:30 (Indian Time, IST, +5.3)",
// "UTC+01:00 (Greenwich Mean Time,GMT,0.0, with daylight saving)". A slip
// of the list is seen here, beside the answers it changed.
// The zone rows are the list's own and stay as written in every language.
std::string ZoneUsedText(const BirthDetails& birth, const Catalogue& words = English());

}  // namespace orbalis
