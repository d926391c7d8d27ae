#pragma once

#include <string>
#include <string_view>

#include "dasha/vimshottari.h"
#include "model/positions_mode.h"

namespace orbalis::dasha {

// The marks a listed period may carry.
inline constexpr std::string_view kKujaPeriodMark = "Kuja period";
inline constexpr std::string_view kBeforeBirthMark = "before birth";
inline constexpr std::string_view kAtBirthMark = "at birth";

// The names of the three levels, singular.
inline constexpr std::string_view kLevelNames[kLevelCount] = {"mahadasha", "antardasha",
                                                              "pratyantardasha"};

// "Moon/Rahu": the lords of the running periods of the first `levels`
// levels; empty when none runs.
std::string RunningLordsText(const BirthBalance& balance, const RunningPeriods& running,
                             int levels = 2);

// How far the dates can be trusted with the positions of `mode`: the
// Moon's own uncertainty moves every boundary together.
std::string_view DatesAccuracyText(PositionsMode mode);

}  // namespace orbalis::dasha
