#pragma once

#include <optional>

#include "clock/place_clock.h"

namespace orbalis {

// The row of the time zone table and the daylight-saving tick that give a
// place's clock through the birth-details form; no row when none fits.
struct ZoneRowChoice {
    std::optional<int> zoneIndex;
    bool daylightSaving = false;
};

// A reading takes universal time as the clock minus the row's offset, minus one
// more hour with daylight saving ticked. The row is the one whose offset is the
// zone's standard offset, preferring one whose abbreviation is the zone's
// standard one, else the first such row not named for a summer, daylight or
// war clock, else the first such row; daylight
// saving ticked when the clock was standard + 1 hour. Clocks two hours ahead
// of standard (double summer time) take the row one hour ahead of standard
// with daylight saving ticked. Any other clock, or a standard offset no row
// has, takes a row whose own offset is the clock's, unticked.
ZoneRowChoice ChooseZoneRow(const PlaceClock& clock);

}  // namespace orbalis
