#pragma once

#include <array>
#include <string_view>

namespace orbalis {

// English month names; index 0 is January.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace orbalis
