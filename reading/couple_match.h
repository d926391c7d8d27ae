#pragma once

#include <optional>
#include <string>

#include "dosha/manglik_match.h"
#include "matching/moon_match.h"
#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

// Whether two readings are of one birth. A match of a reading with itself
// scores high on the Moons and balances any dosha, and says nothing about
// two people; the sheet names it so that nobody takes it for a good match.
enum class SameBirth : int {
    No,
    // One chart under two names: twins born in the same minute and place.
    OtherName,
    // One chart under one name: a reading matched with itself.
    SameName,
};

// Two births are one when they give one chart: the same minute of universal
// time and the same latitude and longitude, however the clock time was
// written (two zone rows of one offset, daylight saving, 24:10 for 00:10 of
// the next day). The names of the places are not compared, only their
// coordinates; the people's names tell SameName from OtherName.
SameBirth CompareBirths(const BirthDetails& first, const BirthDetails& second);

// A marriage match of two computed readings: the Moons' Ashtakoota and
// poruthams, and the Manglik balance of the two classical analyses.
struct CoupleMatch {
    MatchParty groom;
    MatchParty bride;
    matching::MoonMatch moons;
    ManglikMatch manglik;
    // Set by a caller that knows the births (CompareBirths).
    SameBirth sameBirth = SameBirth::No;
};

// The Moon of a computed reading, at its sidereal longitude.
matching::MoonPlacement MoonPlacementOfReading(const ChartReading& reading);

// Nothing when a reading lacks a sign the classical rule or the balance
// reads. The caller tells two readings of one name apart before it calls.
std::optional<CoupleMatch> MatchCouple(const std::string& groomName, const ChartReading& groom,
                                       const std::string& brideName, const ChartReading& bride,
                                       matching::VashyaPoints table);

}  // namespace orbalis
