#pragma once

#include <cmath>

namespace orbalis {

// Several angles are brought into one turn by taking 360 off (or adding it)
// one turn at a time, and a mean argument far from J2000 is hundreds of turns
// out. Each such step is exact while the angle stays at least 360 away from
// zero: 360 is a multiple of the angle's last-place unit (for any angle below
// 2^55 degrees) and the result is smaller than the angle, so it is
// representable. Taking many such turns at once therefore lands on exactly
// the value the single steps reach. These leave the last two or three turns
// to the caller's own loop, whose final, possibly rounded, step is unchanged.

// An angle above 1080 moved down by whole turns to a value still above 360.
inline double SkipWholeTurnsDown(double degrees) {
    constexpr double kLargest = 0x1p52;
    if (!(degrees > 1080.0 && degrees < kLargest)) return degrees;
    // The quotient may be rounded up by less than one turn; two turns spare
    // keep the result above 360.
    const double turns = std::floor(degrees / 360.0) - 2.0;
    return degrees - 360.0 * turns;
}

// An angle below -1080 moved up by whole turns to a value still below -360.
inline double SkipWholeTurnsUp(double degrees) {
    return -SkipWholeTurnsDown(-degrees);
}

}  // namespace orbalis
