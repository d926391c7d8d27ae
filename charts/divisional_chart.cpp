#include "charts/divisional_chart.h"

#include "charts/divisional_sign.h"

namespace orbalis {

DivisionalChart ComputeDivisionalChart(const SiderealPositions& positions, Division division) {
    DivisionalChart chart;
    chart.division = division;
    chart.ascendantSign = DivisionalSign(positions.ascendantDegrees, division);
    for (int body = 0; body < kDivisionalBodyCount; ++body)
        chart.bodySigns[body] = DivisionalSign(positions.bodyDegrees[body], division);
    chart.retrograde = positions.retrograde;
    return chart;
}

DivisionalCharts ComputeDivisionalCharts(const SiderealPositions& positions) {
    DivisionalCharts charts;
    for (int i = 0; i < kDivisionCount; ++i)
        charts[i] = ComputeDivisionalChart(positions, kDivisionNames[i].division);
    return charts;
}

}  // namespace orbalis
