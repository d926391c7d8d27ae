#pragma once

#include <string>

#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

// "d° m' s\" Sgn" with degrees, minutes and seconds truncated.
std::string SignPositionText(double longitudeDegrees);

// The longitude itself, the Moon position text, nakshatra and Moon sign for a
// sidereal longitude, 0 <= siderealDegrees < 360.
void MoonDetailsAt(double siderealDegrees, ChartReading& reading);

// Moon position text, nakshatra and Moon sign of a birth.
void ComputeMoonDetails(const BirthDetails& birth, ChartReading& reading);

}  // namespace orbalis
