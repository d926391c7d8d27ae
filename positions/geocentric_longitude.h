#pragma once

#include "positions/planet_positions.h"

namespace orbalis {

// A heliocentric position in the plane of the ecliptic, astronomical units.
struct EclipticPoint {
    double x, y;
};

// Heliocentric position of a body from its mean elements; the Sun is the origin.
EclipticPoint HeliocentricPosition(OrbitBody body, double dayNumber);
// Geocentric tropical longitude in degrees of a body at `body`, seen from the
// Earth at `earth`; 0 <= result <= 360.
double GeocentricLongitudeFrom(EclipticPoint body, EclipticPoint earth);

}  // namespace orbalis
