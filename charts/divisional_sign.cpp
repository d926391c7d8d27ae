#include "charts/divisional_sign.h"

#include <cassert>
#include <cmath>

namespace orbalis {

namespace {

// Parts are counted from 0 deg Aries with a tolerance far below a second of
// arc, so that a boundary such as 4 deg 17' 8.57" (which a double cannot hold
// exactly) still starts its own part.
constexpr double kBoundaryTolerance = 1e-9;

constexpr int kLeo = 4;
constexpr int kCancer = 3;

// The first sign of the nine navamsas of a sign, by its element: fire signs
// from Aries, earth from Capricorn, air from Libra, water from Cancer.
constexpr int kNavamsaStart[4] = {0, 9, 6, 3};

}  // namespace

int DivisionalSign(double siderealLongitudeDegrees, Division division) {
    const int parts = PartCount(division);
    const int partsInZodiac = 12 * parts;
    assert(std::isfinite(siderealLongitudeDegrees));
    // fmod is exact for every finite value, where subtracting whole turns
    // loses the degrees of a huge longitude and leaves it out of range.
    double degrees = std::fmod(siderealLongitudeDegrees, 360.0);
    if (degrees < 0.0) degrees += 360.0;  // a hair below 0 rounds to 360: 0 deg Aries below
    // Truncation is the floor here: the count is never negative.
    int index = static_cast<int>(degrees * (parts / 30.0) + kBoundaryTolerance);
    if (index >= partsInZodiac) index -= partsInZodiac;  // a hair below 360 deg is 0 deg Aries
    const int sign = static_cast<int>(index / parts);
    const int part = static_cast<int>(index % parts);
    const bool oddSign = sign % 2 == 0;

    switch (division) {
        case Division::D2:
            return (part == 0) == oddSign ? kLeo : kCancer;
        case Division::D3:
            return (sign + 4 * part) % 12;
        case Division::D7:
            return (sign + (oddSign ? 0 : 6) + part) % 12;
        case Division::D9:
            return (kNavamsaStart[sign % 4] + part) % 12;
        case Division::D10:
            return (sign + (oddSign ? 0 : 8) + part) % 12;
        case Division::D12:
            return (sign + part) % 12;
    }
    return sign;
}

}  // namespace orbalis
