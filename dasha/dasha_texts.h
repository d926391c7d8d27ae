#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dasha/vimshottari.h"
#include "model/catalogue.h"
#include "model/positions_mode.h"

namespace orbalis::dasha {

// The marks a listed period may carry.
inline constexpr std::string_view kKujaPeriodMark = N_("Kuja period");
inline constexpr std::string_view kBeforeBirthMark = N_("before birth");
inline constexpr std::string_view kAtBirthMark = N_("at birth");

// The names of the three levels, singular: machine values in JSON.
inline constexpr std::string_view kLevelNames[kLevelCount] = {"mahadasha", "antardasha",
                                                              "pratyantardasha"};

// The mark of a period running on the user's date today.
inline constexpr std::string_view kRunningTodayMark = N_("running today");

// The lords of period `index` of `level` and of the periods it lies in, the
// mahadasha's first; empty past its level.
std::array<std::string_view, kLevelCount> PeriodLords(const BirthBalance& balance, int level,
                                                      int index);
// The same joined, for people: "Saturn/Rahu".
std::string PeriodLordsText(const BirthBalance& balance, int level, int index,
                            const Catalogue& words = English());

// The marks of a period joined by ", ", in this order: running today (when
// `today` holds it), at birth, before birth, Kuja period.
std::string PeriodMarksText(const Vimshottari& dasha, int level, int index,
                            const RunningPeriods& today = {}, const Catalogue& words = English());

// "Moon/Rahu": the lords of the running periods of the first `levels`
// levels; empty when none runs.
std::string RunningLordsText(const BirthBalance& balance, const RunningPeriods& running,
                             int levels = 2, const Catalogue& words = English());

// How far the dates can be trusted with the positions of `mode`: the
// Moon's own uncertainty moves every boundary together.
std::string_view DatesAccuracyText(PositionsMode mode, const Catalogue& words = English());

}  // namespace orbalis::dasha
