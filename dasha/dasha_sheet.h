#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "dasha/vimshottari.h"
#include "model/catalogue.h"
#include "model/positions_mode.h"

namespace orbalis::dasha {

// What the dasha window, its copied text and the reading report show of one
// birth's dasha, seen from the user's date today.

// Translated where they are shown.
inline constexpr std::string_view kDashaTitle = N_("Vimshottari Dasha");
inline constexpr std::array<std::string_view, 5> kDashaColumnTitles = {
    N_("Period"), N_("From"), N_("To"), N_("Age at start"), N_("Marks")};
inline constexpr std::string_view kKujaPeriodsNote =
    N_("A Kuja period is one whose mahadasha or antardasha lord is Mars. The mark says when "
       "Mars's periods run; it is no verdict and changes nothing in the Kuja dosha reading.");

// The user's date today and the periods running on it.
struct DashaToday {
    DashaDate date;
    RunningPeriods running;
};
DashaToday TodayOf(const Vimshottari& dasha, DashaDate date);

// "34y 2m": the whole years and months of the calendar from `birth` to
// `date`, as a person's age is counted; empty for a date before the birth.
std::string AgeText(DashaDate birth, DashaDate date, const Catalogue& words = English());

// One period as a row of the table.
struct DashaRowText {
    std::string lords;  // "Saturn/Rahu": its lord after those it lies in
    std::string start;  // "YYYY-MM-DD"
    std::string end;
    std::string age;    // at its start; empty when it starts before the birth
    std::string marks;  // PeriodMarksText, today's included
    bool runningToday = false;
    bool kujaPeriod = false;
    bool beforeBirth = false;
};
DashaRowText DashaRow(const Vimshottari& dasha, const DashaToday& today, int level, int index,
                      const Catalogue& words = English());

// The lines above the table.
struct DashaHeadText {
    std::string nakshatra;  // "Nakshatra: Pushya, lord Saturn"
    std::string balance;    // "Balance at birth: 5y 0m 15d of the Saturn mahadasha"
    std::string today;      // "Running today, 2025-06-01: Venus/Rahu/Jupiter"
    std::string kuja;       // "Next Kuja period: Sun/Mars, 2035-06-19 to 2035-10-25"
    std::string clock;      // "Dates on the birth's clock (UTC+05:30), years of 365.25 days"
    std::string positions;  // "Positions: classic"
    std::string accuracy;   // how far the dates can be trusted
};
DashaHeadText DashaHead(const Vimshottari& dasha, const DashaToday& today, PositionsMode mode,
                        bool builtInEphemeris = false, const Catalogue& words = English());

// The Mars mahadasha while it has not begun on today's date; nothing once it
// runs or has run.
std::optional<int> NextMarsMahadasha(const Vimshottari& dasha, const DashaToday& today);

// The whole as plain text, lines ending in LF: "Vimshottari Dasha: " and the
// name, the head lines, then a table of the mahadashas, each followed by its
// antardashas and the antardasha running today by its pratyantardashas, and
// the note on Kuja periods.
std::string DashaSheetText(const Vimshottari& dasha, const DashaToday& today, PositionsMode mode,
                           bool builtInEphemeris, std::string_view name,
                           const Catalogue& words = English());

}  // namespace orbalis::dasha
