#pragma once

#include <string>

#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

// Quadrant arctangent in radians; y = 0 with x < 0 gives 0, not pi.
double TwoArgumentArctangent(double y, double x);
// Ayanamsa as negative degrees, T in Julian centuries from 1900 January 0.5.
double AyanamsaAt(double centuries1900);
// "-23° 39' 14\"": signed whole degrees, truncated minutes and seconds.
std::string SignedAngleText(double degrees);

// The angles behind the ascendant texts of a birth, in degrees.
struct AscendantValues {
    double centuries1900;     // Julian centuries from 1900 January 0.5
    double ayanamsaDegrees;   // negative
    double ramcDegrees;       // local sidereal time as an angle, reduced from above only
    double ascendantDegrees;  // sidereal, 0 <= value < 360
    double midheavenDegrees;  // sidereal, 0 <= value < 360
};
AscendantValues AscendantAndMidheaven(const BirthDetails& birth);

// The latitude of the birth place in degrees, north positive.
double LatitudeNorth(const BirthDetails& birth);

// Writes the four fields of this step from their angles in degrees: the
// ayanamsa as a negative number, the sidereal ascendant and midheaven.
void WriteAscendantFields(double ayanamsaDegrees, double ascendantDegrees, double midheavenDegrees,
                          ChartReading& reading);

// Ayanamsa, sidereal ascendant and midheaven of a birth.
void ComputeAscendantAndAyanamsa(const BirthDetails& birth, ChartReading& reading);

}  // namespace orbalis
