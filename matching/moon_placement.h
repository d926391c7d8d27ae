#pragma once

#include <optional>

#include "matching/matching_tables.h"

namespace orbalis::matching {

// Where one person's Moon stands, as marriage matching reads it.
struct MoonPlacement {
    int nakshatra = 0;  // 0..26 from Ashwini
    int pada = 1;       // 1..4, the Moon's own quarter of its nakshatra
    int sign = 0;       // 0..11 from Aries
    // The sidereal longitude when it is known; matching from a nakshatra and
    // pada alone leaves it empty.
    std::optional<double> longitudeDegrees;

    // 0..107: the quarter of the zodiac, 3° 20′ each, from 0° Aries.
    int quarter() const { return nakshatra * 4 + pada - 1; }
    int padaInSign() const { return quarter() % kPadasPerSign + 1; }  // 1..9
    int navamsaSign() const { return quarter() % 12; }
    friend bool operator==(const MoonPlacement&, const MoonPlacement&) = default;
};

// The placement of a sidereal longitude, 0 <= longitude < 360.
MoonPlacement MoonPlacementAt(double siderealLongitudeDegrees);

// The placement of a nakshatra (0..26) and pada (1..4) without a longitude.
MoonPlacement MoonPlacementOf(int nakshatra, int pada);

// The vashya group of the placement. Sagittarius and Capricorn change group at
// 15°: at the longitude when it is known, otherwise by the half in which the
// pada begins (the 5th pada of the sign, which straddles 15°, counts with the
// first half).
VashyaGroup VashyaGroupOf(const MoonPlacement& moon);

}  // namespace orbalis::matching
