#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/birth_details.h"
#include "model/positions_mode.h"

namespace orbalis {

// How firm a reading is for a birth time known only roughly: for each answer
// below, the unbroken run of minutes around the given one, on the birth's own
// clock (same zone row and daylight saving), in which that answer stays the
// same, searched up to three hours either side.
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
};
inline constexpr int kFirmnessItemCount = 11;

struct FirmnessItemName {
    std::string_view key;      // "lagnaSign": the JSON key
    std::string_view subject;  // "The Lagna": as in "The Lagna changes at 10:41"
    std::string_view title;    // "Lagna sign": a row heading
};
extern const std::array<FirmnessItemName, kFirmnessItemCount> FirmnessItemNames;

// How far either side of the given minute the search goes.
inline constexpr int kFirmnessSearchMinutes = 180;
// A change this near the given minute asks the user to check the time.
inline constexpr int kFirmnessWarningMinutes = 15;

// The run of one answer, in minutes from the given one: `from` <= 0 <= `to`.
// Nothing on a side where the run reaches the end of the search.
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

    const FirmnessRun& of(FirmnessItem item) const {
        return runs[static_cast<std::size_t>(item)];
    }
    friend bool operator==(const Firmness&, const Firmness&) = default;
};

// Searches by bisection on the reading engine with the positions of `mode`:
// a coarse pass of readings every 20 minutes, then halving each step in which
// an answer changes down to the minute.
Firmness FirmnessOf(const BirthDetails& birth, PositionsMode mode);

// The answers at one minute from the given one, -1 where the reading gives
// none: what the search compares, and what a test scans minute by minute.
using FirmnessValues = std::array<int, kFirmnessItemCount>;
std::optional<FirmnessValues> FirmnessValuesAt(const BirthDetails& birth, PositionsMode mode,
                                               int minutesFromGiven);

// The birth details `minutes` from the given birth on the same clock (date,
// hour 0..23 and minute moved; zone row and daylight saving kept).
BirthDetails BirthMinutesAway(const BirthDetails& birth, int minutes);

// What a batch row asks: the run of the Lagna's sign and whether a verdict
// (the two on the results form, the three classical ones) changes within 15
// minutes. Classic positions bisect on the ascendant alone.
struct BatchFirmness {
    std::optional<std::int64_t> givenMinute;
    FirmnessRun lagna;
    bool verdictChangesSoon = false;
};
BatchFirmness BatchFirmnessOf(const BirthDetails& birth, PositionsMode mode);

// The nearest change of any answer within kFirmnessWarningMinutes, as the
// results form warns of it: "The Lagna changes at 10:41, 11 minutes after the
// given birth time: please check the time." Empty when none is that near.
std::string FirmnessWarning(const Firmness& firmness);
// The same line for every answer that changes that near, nearest first.
std::vector<std::string> FirmnessWarnings(const Firmness& firmness);

// True when a verdict changes within kFirmnessWarningMinutes.
bool VerdictChangesSoon(const Firmness& firmness);

// "1985-08-15 10:41" and "10:41": a minute of the birth's clock.
std::string FirmnessDateTimeText(std::int64_t minute);
std::string FirmnessClockText(std::int64_t minute);

// "holds from 09:58 to 11:42"; a side that reaches the end of the search
// reads "from before 07:30" or "to after 13:30".
std::string FirmnessHoldsText(const Firmness& firmness, FirmnessItem item);

}  // namespace orbalis
