#pragma once

#include <array>
#include <string_view>

#include "model/catalogue.h"

namespace orbalis {

// English month names; index 0 is January. Translated where they are shown.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    N_("January"), N_("February"), N_("March"),     N_("April"),   N_("May"),      N_("June"),
    N_("July"),    N_("August"),   N_("September"), N_("October"), N_("November"), N_("December")};

// The English name of month 1..12; empty for any other number.
constexpr std::string_view FullMonthName(int month) {
    if (month < 1 || month > static_cast<int>(MonthNames.size())) return {};
    return MonthNames[static_cast<std::size_t>(month - 1)];
}

}  // namespace orbalis
