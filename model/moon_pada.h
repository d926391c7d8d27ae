#pragma once

#include <cmath>

namespace orbalis {

// The Moon's own pada: the quarter, 1 to 4, of its nakshatra in which its
// sidereal longitude lies (0 <= longitude < 360). Each quarter spans 200
// minutes of arc (3° 20′). Counting in minutes of arc keeps the quarter
// consistent with the nakshatra the Moon engine names, which divides the
// same product by 800.
inline int MoonQuarterIndex(double siderealLongitudeDegrees) {
    return static_cast<int>(std::floor(siderealLongitudeDegrees * 60.0 / 200.0));
}

inline int MoonPada(double siderealLongitudeDegrees) {
    return MoonQuarterIndex(siderealLongitudeDegrees) % 4 + 1;
}

}  // namespace orbalis
