#pragma once

#include <array>
#include <string_view>

#include "model/chart_reading.h"

namespace orbalis {

// The bodies' English names, in the order of Body.
inline constexpr std::array<std::string_view, kBodyCount> kBodyNames = {
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};

}  // namespace orbalis
