#pragma once

#include <optional>
#include <string>

#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

// The Julian Day in universal time of a birth: the instant the classic
// engines use.
double BirthJulianDayUt(const BirthDetails& birth);

// The precise counterpart of the four position steps of a reading (ayanamsa
// and ascendant, Moon details, body tables, retrograde marks): the same
// fields in the same text formats, from the Swiss Ephemeris. Returns why
// they cannot be computed, and then leaves `reading` as it was.
std::optional<std::string> ComputePrecisePositions(const BirthDetails& birth,
                                                   ChartReading& reading);

// The sidereal ascendant of ComputePrecisePositions alone, in degrees;
// nothing when it cannot be computed.
std::optional<double> PreciseAscendantDegrees(const BirthDetails& birth);

}  // namespace orbalis
