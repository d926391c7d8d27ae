#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/birth_details.h"
#include "model/catalogue.h"
#include "model/positions_mode.h"

namespace orbalis {

// How firm a reading is for a birth time known only roughly: for each answer
// below, the unbroken run of minutes around the given one, on the birth's own
// clock (same zone row and daylight saving), in which that answer stays the
// same, searched up to three hours either side and never outside the birth
// years (kFirstBirthYear to kLastBirthYear).
enum class FirmnessItem : int {
    LagnaSign,
    MoonSign,
    Nakshatra,
    MoonPada,
    MarsHouseFromLagna,
    MarsHouseFromMoon,
    VerdictFromLagna,
    VerdictFromMoon,
    ClassicalLagna,
    ClassicalMoon,
    ClassicalVenus,
    ManglikStatus,
};
inline constexpr int kFirmnessItemCount = 12;

struct FirmnessItemName {
    std::string_view key;  // "lagnaSign": the JSON key
    std::string_view
        subject;  // "The Lagna": as in "The Lagna changes at 10:41"; translated where shown
    std::string_view title;  // "Lagna sign": a row heading; translated where shown
};
extern const std::array<FirmnessItemName, kFirmnessItemCount> FirmnessItemNames;

// How far either side of the given minute the search goes.
inline constexpr int kFirmnessSearchMinutes = 180;
// A change this near the given minute asks the user to check the time.
inline constexpr int kFirmnessWarningMinutes = 15;

// The run of one answer, in minutes from the given one: `from` <= 0 <= `to`.
// Nothing on a side where the run reaches the end of the search (three hours,
// or the end of the birth years).
struct FirmnessRun {
    std::optional<int> from;
    std::optional<int> to;
    friend bool operator==(const FirmnessRun&, const FirmnessRun&) = default;
};

struct Firmness {
    // The given minute on the birth's clock, as minutes from 1970-01-01 00:00
    // of that clock; nothing when the reading could not be searched.
    std::optional<std::int64_t> givenMinute;
    std::array<FirmnessRun, kFirmnessItemCount> runs{};
    // The first and last minute searched, from the given one: three hours
    // either side unless a side ends with the birth years.
    int searchedFrom = -kFirmnessSearchMinutes;
    int searchedTo = kFirmnessSearchMinutes;

    const FirmnessRun& of(FirmnessItem item) const { return runs[static_cast<std::size_t>(item)]; }
    friend bool operator==(const Firmness&, const Firmness&) = default;
};

// Every answer reads only the signs of the ascendant, Mars, Venus and
// Jupiter and the sign and quarter of the Moon, so the search finds, going
// out from the given minute, each minute at which one of these changes
// (an ingress), reads the answers once after each, and stops where every
// answer has changed. An ingress is located by interpolating the longitude
// towards the next boundary and checked on the minutes either side; a span
// is passed over only where no ingress can lie in it: the ascendant and the
// Moon only move on (the ascendant away from the polar circles, where it is
// read minute by minute instead), and the planets cannot turn far enough to
// touch a boundary their two ends keep clear of. The result is what reading
// every minute with FirmnessValuesAt gives.
Firmness FirmnessOf(const BirthDetails& birth, PositionsMode mode);

// A generous bound on how fast the geocentric motion of Mars, Venus and
// Jupiter can change, in degrees a day per day: the search passes over a
// stretch in which a planet could only reach a sign boundary by turning
// faster. (The largest, Venus's near its inferior conjunction, is under 0.1;
// tools/firmness_replay measures it.)
inline constexpr double kPlanetTurnDegreesPerDay2 = 0.5;

// The answers at one minute from the given one, -1 where the reading gives
// none: what the search compares, and what a test scans minute by minute.
using FirmnessValues = std::array<int, kFirmnessItemCount>;
std::optional<FirmnessValues> FirmnessValuesAt(const BirthDetails& birth, PositionsMode mode,
                                               int minutesFromGiven);

// The birth details `minutes` from the given birth on the same clock (date,
// hour 0..23 and minute moved; zone row and daylight saving kept).
BirthDetails BirthMinutesAway(const BirthDetails& birth, int minutes);

// What a batch row asks, by the same search: the run of the Lagna's sign and
// whether a verdict (the two on the results form, the three classical ones,
// the Manglik status) changes within kFirmnessWarningMinutes. Beyond those
// minutes only the ascendant is read.
struct BatchFirmness {
    std::optional<std::int64_t> givenMinute;
    FirmnessRun lagna;
    bool verdictChangesSoon = false;
};
BatchFirmness BatchFirmnessOf(const BirthDetails& birth, PositionsMode mode);

// A line for every answer with another value within kFirmnessWarningMinutes
// of the given minute: the Manglik status first, then the others nearest
// first. "The Lagna changes at 10:41, 11 minutes after the given birth time:
// please check the time." The minute named is the first of the later answer,
// as in FirmnessHoldsText: a run that holds from 10:25 "changes at 10:25, 5
// minutes before the given birth time"; one that holds from the given minute
// itself changes "at 10:30, the given birth time".
std::vector<std::string> FirmnessWarnings(const Firmness& firmness,
                                          const Catalogue& words = English());
// The first of them, or empty.
std::string FirmnessWarning(const Firmness& firmness, const Catalogue& words = English());

// What the results form shows: every line of FirmnessWarnings when there are
// no more than kFirmnessFormLines, otherwise the first and "and 4 more — see
// Details".
inline constexpr std::size_t kFirmnessFormLines = 2;
std::vector<std::string> FirmnessFormWarnings(const Firmness& firmness,
                                              const Catalogue& words = English());

// True when a verdict changes within kFirmnessWarningMinutes.
bool VerdictChangesSoon(const Firmness& firmness);

// "1985-08-15 10:41" and "10:41": a minute of the birth's clock.
std::string FirmnessDateTimeText(std::int64_t minute);
std::string FirmnessClockText(std::int64_t minute);

// "holds from 09:58 to 11:42"; a side that reaches the end of the search
// reads "from before 07:30" or "to after 13:30", or at the end of the birth
// years "from before 1901" or "to after 2050".
std::string FirmnessHoldsText(const Firmness& firmness, FirmnessItem item,
                              const Catalogue& words = English());

}  // namespace orbalis
