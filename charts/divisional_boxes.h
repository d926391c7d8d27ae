#pragma once

#include <array>
#include <string>

#include "charts/divisional_chart.h"
#include "model/chart_reading.h"

namespace orbalis {

// The ascendant, the nine bodies and their retrograde marks of a computed
// reading, for the divisional rules.
SiderealPositions PositionsOf(const ChartReading& reading);

// The twelve sign texts of a divisional chart, as the birth chart's boxes
// are written: "Asc" first, then the bodies Sun to Ketu in body order by
// their Sanskrit names, retrograde marks and all; lines joined by CR LF.
std::array<std::string, 12> DivisionalBoxTexts(const ChartReading& reading,
                                               const DivisionalChart& chart);

}  // namespace orbalis
