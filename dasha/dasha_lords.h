#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "model/chart_reading.h"

namespace orbalis::dasha {

// The nine lords of the Vimshottari cycle in their order, each with the years
// its mahadasha lasts: 120 in all. The lord of nakshatra k (0 = Ashwini) is
// lord k mod 9, so the cycle runs three times round the 27 nakshatras.
struct DashaLord {
    Body body;
    int years;
};
inline constexpr int kLordCount = 9;
inline constexpr std::array<DashaLord, kLordCount> kLords = {{
    {kKetu, 7},
    {kVenus, 20},
    {kSun, 6},
    {kMoon, 10},
    {kMars, 7},
    {kRahu, 18},
    {kJupiter, 16},
    {kSaturn, 19},
    {kMercury, 17},
}};
inline constexpr int kCycleYears = 120;

constexpr int LordOfNakshatra(int nakshatra) {
    return nakshatra % kLordCount;
}

constexpr std::string_view LordName(Body lord) {
    return kBodyNames[static_cast<std::size_t>(lord)];
}

// How many days a dasha year has. The Julian year is the default; the others
// are the lengths other programs and schools use, kept as options.
enum class DashaYear { Julian, Gregorian, Tropical, Sidereal, Savana };

struct DashaYearLength {
    DashaYear year;
    std::string_view name;  // on the command line and in JSON
    double days;
};
inline constexpr std::array<DashaYearLength, 5> kDashaYears = {{
    {DashaYear::Julian, "julian", 365.25},
    {DashaYear::Gregorian, "gregorian", 365.2425},
    {DashaYear::Tropical, "tropical", 365.2422},
    {DashaYear::Sidereal, "sidereal", 365.256363},
    {DashaYear::Savana, "savana", 360.0},
}};

constexpr double DashaYearDays(DashaYear year) {
    return kDashaYears[static_cast<std::size_t>(year)].days;
}

}  // namespace orbalis::dasha
