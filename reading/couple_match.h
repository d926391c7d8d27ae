#pragma once

#include <optional>
#include <string>

#include "dosha/manglik_match.h"
#include "matching/moon_match.h"
#include "model/chart_reading.h"

namespace orbalis {

// A marriage match of two computed readings: the Moons' Ashtakoota and
// poruthams, and the Manglik balance of the two classical analyses.
struct CoupleMatch {
    MatchParty groom;
    MatchParty bride;
    matching::MoonMatch moons;
    ManglikMatch manglik;
};

// The Moon of a computed reading, at its sidereal longitude.
matching::MoonPlacement MoonPlacementOfReading(const ChartReading& reading);

// Nothing when a reading lacks a sign the classical rule or the balance
// reads. The caller tells two readings of one name apart before it calls.
std::optional<CoupleMatch> MatchCouple(const std::string& groomName, const ChartReading& groom,
                                       const std::string& brideName, const ChartReading& bride,
                                       matching::VashyaPoints table);

// A few plain sentences: the band and total, the poruthams with Rajju and
// Vedha, the doshas, the conclusion of the Manglik balance.
std::string CoupleConclusion(const CoupleMatch& match);

// The whole match as plain text, lines ending in LF: both Moons, the
// Ashtakoota, the doshas, the poruthams, the Manglik match and the conclusion.
std::string CoupleMatchText(const CoupleMatch& match);

}  // namespace orbalis
