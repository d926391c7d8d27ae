#pragma once

#include <array>
#include <string_view>

namespace orbalis {

// English month names; index 0 is January.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The English name of month 1..12; empty for any other number.
constexpr std::string_view FullMonthName(int month) {
    if (month < 1 || month > static_cast<int>(MonthNames.size())) return {};
    return MonthNames[static_cast<std::size_t>(month - 1)];
}

}  // namespace orbalis
