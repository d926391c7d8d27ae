#pragma once

#include <array>

#include "charts/divisions.h"

namespace orbalis {

inline constexpr int kDivisionalBodyCount = 9;  // Sun to Ketu, in body order

// The sidereal longitudes of a reading, in degrees: the ascendant and the
// nine bodies Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu.
struct SiderealPositions {
    double ascendantDegrees = 0.0;
    std::array<double, kDivisionalBodyCount> bodyDegrees{};
    std::array<bool, kDivisionalBodyCount> retrograde{};
};

// One divisional chart: the sign (0 Aries .. 11 Pisces) of the ascendant and
// of each body. A body keeps its retrograde mark in every chart.
struct DivisionalChart {
    Division division = Division::D9;
    int ascendantSign = 0;
    std::array<int, kDivisionalBodyCount> bodySigns{};
    std::array<bool, kDivisionalBodyCount> retrograde{};

    friend bool operator==(const DivisionalChart&, const DivisionalChart&) = default;
};

DivisionalChart ComputeDivisionalChart(const SiderealPositions& positions, Division division);

// All six, in the order of kDivisionNames.
using DivisionalCharts = std::array<DivisionalChart, kDivisionCount>;
DivisionalCharts ComputeDivisionalCharts(const SiderealPositions& positions);

}  // namespace orbalis
