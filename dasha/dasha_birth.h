#pragma once

#include "dasha/vimshottari.h"
#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis::dasha {

// The dasha birth of a reading: its Moon at full precision, the birth instant
// and the clock the birth was read on (zone row and daylight saving), whose
// dates the periods are shown in.
DashaBirth DashaBirthOf(const BirthDetails& birth, const ChartReading& reading,
                        DashaYear year = DashaYear::Julian);
DashaBirth DashaBirthOf(const BirthDetails& birth, double moonSiderealDegrees,
                        DashaYear year = DashaYear::Julian);

}  // namespace orbalis::dasha
