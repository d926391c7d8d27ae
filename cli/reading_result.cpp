#include "cli/reading_result.h"

namespace orbalis::cli {
namespace {

// The reading has looked the stations up once already and marked the
// Sanskrit names; the flags read those marks rather than look again.
void ReadRetrogradeMarks(const ChartReading& chart, std::array<bool, 5>& retrograde) {
    for (std::size_t i = 0; i < kRetrogradeBodies.size(); ++i)
        retrograde[i] = IsMarkedRetrograde(chart, kRetrogradeBodies[i]);
}

}  // namespace

bool ComputeFullReading(const BirthDetails& birth, PositionsMode mode, FullReading& reading,
                        std::string& refusal) {
    reading.positions = mode;
    reading.birth = birth;
    reading.chart = ChartReading{};
    std::optional<ReadingDisplay> display = ComputeReading(birth, mode, reading.chart, refusal);
    if (!display) return false;
    reading.display = std::move(*display);
    ReadRetrogradeMarks(reading.chart, reading.retrograde);
    return true;
}

void ComputeFullReading(const BirthDetails& birth, FullReading& reading) {
    std::string refusal;
    ComputeFullReading(birth, PositionsMode::Classic, reading, refusal);
}

bool ComputeBatchReading(const BirthDetails& birth, PositionsMode mode, BatchReading& reading,
                         std::string& refusal) {
    reading.birth = birth;
    ChartReading& chart = reading.chart;
    // Every other field is written by every reading.
    chart.rashi.clear();
    chart.moonSignName.clear();
    chart.lagnaRashiName.clear();
    chart.lord.clear();
    chart.pada.clear();
    if (!ComputeChartReading(birth, mode, chart, refusal)) return false;
    ReadRetrogradeMarks(chart, reading.retrograde);
    reading.fromLagna = CountKujaDosha(chart, chart.planetPositionText[kAscendant], "Mars");
    reading.fromMoon = CountKujaDosha(chart, chart.planetPositionText[kMoon], "Moon");
    return true;
}

void ComputeBatchReading(const BirthDetails& birth, BatchReading& reading) {
    std::string refusal;
    ComputeBatchReading(birth, PositionsMode::Classic, reading, refusal);
}

}  // namespace orbalis::cli
