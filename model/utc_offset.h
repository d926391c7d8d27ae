#pragma once

#include "model/birth_details.h"

namespace orbalis {

// The offset from universal time of the clock a birth was read on, in
// minutes, east-positive: the zone row's offset, an hour later with daylight
// saving. Clock time minus it is universal time, whichever side of Greenwich
// the place itself lies: the longitude plays no part.
constexpr int BirthUtcOffsetMinutes(const BirthDetails& birth) {
    return -(birth.zoneHours * 60 + birth.zoneMinutes) + (birth.daylightSaving ? 60 : 0);
}

}  // namespace orbalis
