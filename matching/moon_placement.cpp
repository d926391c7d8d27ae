#include "matching/moon_placement.h"

#include <cassert>

#include "model/moon_pada.h"

namespace orbalis::matching {

MoonPlacement MoonPlacementAt(double siderealLongitudeDegrees) {
    // The sign comes from the same quarter count as the nakshatra and pada, so
    // that the three always agree (nine quarters make a sign).
    const int quarter = MoonQuarterIndex(siderealLongitudeDegrees);
    assert(quarter >= 0 && quarter < kNakshatraCount * 4);
    MoonPlacement moon;
    moon.nakshatra = quarter / 4;
    moon.pada = MoonPada(siderealLongitudeDegrees);
    moon.sign = quarter / kPadasPerSign;
    moon.longitudeDegrees = siderealLongitudeDegrees;
    return moon;
}

MoonPlacement MoonPlacementOf(int nakshatra, int pada) {
    assert(nakshatra >= 0 && nakshatra < kNakshatraCount && pada >= 1 && pada <= 4);
    MoonPlacement moon;
    moon.nakshatra = nakshatra;
    moon.pada = pada;
    moon.sign = moon.quarter() / kPadasPerSign;
    return moon;
}

VashyaGroup VashyaGroupOf(const MoonPlacement& moon) {
    const SignTraits& sign = SignTable[static_cast<std::size_t>(moon.sign)];
    bool firstHalf = moon.padaInSign() <= 5;
    if (moon.longitudeDegrees) firstHalf = *moon.longitudeDegrees - 30.0 * moon.sign < 15.0;
    return firstHalf ? sign.firstHalf : sign.secondHalf;
}

}  // namespace orbalis::matching
