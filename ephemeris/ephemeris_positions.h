#pragma once

#include <array>
#include <optional>
#include <string>

namespace orbalis {

// Apparent sidereal positions from the Swiss Ephemeris with the Lahiri
// ayanamsa, for one instant and place. Longitudes in degrees, 0 <= x < 360.
struct EphemerisPositions {
    double ayanamsaDegrees;  // the ayanamsa itself, positive, nutation included
    // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn: the order of Body.
    std::array<double, 7> planetDegrees;
    // True where the sidereal longitude decreases at the instant.
    std::array<bool, 7> retrograde;
    double rahuDegrees;  // the Moon's mean ascending node
    double ascendantDegrees;
    double midheavenDegrees;
    // The library found no ephemeris files and used its built-in one.
    bool builtIn;
};

// Positions at a Julian Day in universal time for a place (degrees, north
// and east positive). Returns why they cannot be computed (a date the
// ephemeris does not cover, or an error of the library); `out` is then
// unspecified. Safe to call from several threads at once.
std::optional<std::string> EphemerisPositionsAt(double julianDayUt, double latitudeNorth,
                                                double longitudeEast, EphemerisPositions& out);

// The sidereal ascendant alone, computed as EphemerisPositionsAt computes it
// (the same calls with the same arguments): for a search that reads the
// ascendant at many instants and the other positions at few.
std::optional<std::string> EphemerisAscendantAt(double julianDayUt, double latitudeNorth,
                                                double longitudeEast, double& ascendantDegrees);

}  // namespace orbalis
