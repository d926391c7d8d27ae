// The six divisional charts of one reading: the ascendant and nine bodies in
// each of D2, D3, D7, D9, D10 and D12.
#include <benchmark/benchmark.h>

#include "charts/divisional_chart.h"

namespace {

// Sidereal longitudes near those of Delhi, 15 August 1985, 10:30 Indian time.
orbalis::SiderealPositions DelhiPositions() {
    orbalis::SiderealPositions positions;
    positions.ascendantDegrees = 163.9;
    positions.bodyDegrees = {119.3, 112.2, 115.7, 72.5, 109.8, 288.9, 207.4, 31.6, 211.6};
    positions.retrograde = {false, false, false, false, false, true, false, true, true};
    return positions;
}

void BM_DivisionalChartsOfAReading(benchmark::State& state) {
    orbalis::SiderealPositions positions = DelhiPositions();
    for (auto _ : state) {
        benchmark::DoNotOptimize(positions);
        orbalis::DivisionalCharts charts = orbalis::ComputeDivisionalCharts(positions);
        benchmark::DoNotOptimize(charts);
    }
}
BENCHMARK(BM_DivisionalChartsOfAReading);

}  // namespace
