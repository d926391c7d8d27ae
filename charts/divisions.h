#pragma once

#include <array>
#include <string_view>

namespace orbalis {

// The divisional charts a reading offers, each named by the number of parts
// it cuts a sign into.
enum class Division : int { D2 = 2, D3 = 3, D7 = 7, D9 = 9, D10 = 10, D12 = 12 };

inline constexpr int kDivisionCount = 6;

struct DivisionName {
    Division division;
    std::string_view key;    // "D9": the key in JSON
    std::string_view title;  // "Navamsa (D9)": what the chart's centre says
};

// In the order of the divisional-charts menu.
inline constexpr std::array<DivisionName, kDivisionCount> kDivisionNames = {{
    {Division::D2, "D2", "Hora (D2)"},
    {Division::D3, "D3", "Drekkana (D3)"},
    {Division::D7, "D7", "Sapthamsa (D7)"},
    {Division::D9, "D9", "Navamsa (D9)"},
    {Division::D10, "D10", "Dasamsa (D10)"},
    {Division::D12, "D12", "Dwadasamsa (D12)"},
}};

// What the centre of the birth chart says.
inline constexpr std::string_view kBirthChartTitle = "Rasi";

constexpr int PartCount(Division division) {
    return static_cast<int>(division);
}

constexpr const DivisionName& NameOf(Division division) {
    for (const DivisionName& name : kDivisionNames)
        if (name.division == division) return name;
    return kDivisionNames[3];
}

}  // namespace orbalis
