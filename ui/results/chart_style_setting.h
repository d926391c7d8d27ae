#pragma once

#include "charts/chart_geometry.h"

namespace orbalis {

// The chart style chosen in the results window, kept in the user's settings
// between runs; South Indian until the user chooses otherwise.
ChartStyle LoadChartStyle();
void SaveChartStyle(ChartStyle style);

}  // namespace orbalis
