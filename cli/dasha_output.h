#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/reading_result.h"
#include "dasha/vimshottari.h"
#include "model/catalogue.h"

namespace orbalis::cli {

// What `orbalis-cli dasha` shows of a reading's Vimshottari dasha: the
// periods of the first `levels` levels (1 to 3), or with `at` only those
// running on that date.
struct DashaListing {
    int levels = 2;
    std::optional<dasha::DashaDate> at;
};

// The dasha of a reading as JSON (the "dasha" key of the reading):
// "system", "yearDays", "utcOffset" (the clock the dates are on),
// "nakshatraNumber" (1 to 27), "lord", "partRun", "balanceYears", "balance"
// ("4y 7m 3d"), "atBirth" (the lords running at birth, one a level), then
// "mahadashas", each {"lord", "start", "end" ("YYYY-MM-DD"), "kujaPeriod",
// "beforeBirth"} with its "antardashas" and theirs "pratyantardashas" to the
// listing's levels; with a date, "date" and "running" (the periods running
// then, each with its "level") instead of the mahadashas.
nlohmann::ordered_json DashaJson(const dasha::Vimshottari& dasha, const DashaListing& listing);

// The companion's outputs of `orbalis-cli dasha`: text to read, a JSON
// object {"positions", "name", "dasha"}, or CSV rows
// level,mahadasha,antardasha,pratyantardasha,start,end,kuja_period,before_birth.
std::string DashaText(const FullReading& reading, const dasha::Vimshottari& dasha,
                      const DashaListing& listing, const Catalogue& words = English());
std::string DashaJsonText(const FullReading& reading, const dasha::Vimshottari& dasha,
                          const DashaListing& listing);
std::string DashaCsv(const dasha::Vimshottari& dasha, const DashaListing& listing);

// A date given as "YYYY-MM-DD" that the calendar has, or nothing.
std::optional<dasha::DashaDate> ParseDashaDate(std::string_view text);

}  // namespace orbalis::cli
