#include "charts/divisional_boxes.h"

namespace orbalis {

SiderealPositions PositionsOf(const ChartReading& reading) {
    SiderealPositions positions;
    positions.ascendantDegrees = reading.siderealDegrees[kAscendant];
    for (int body = 0; body < kDivisionalBodyCount; ++body) {
        positions.bodyDegrees[body] = reading.siderealDegrees[body];
        positions.retrograde[body] = IsMarkedRetrograde(reading, body);
    }
    return positions;
}

std::array<std::string, 12> DivisionalBoxTexts(const ChartReading& reading,
                                               const DivisionalChart& chart) {
    std::array<std::string, 12> boxes;
    auto append = [&boxes](int sign, std::string_view line) {
        std::string& text = boxes[static_cast<std::size_t>(sign)];
        if (!text.empty()) text += "\r\n";
        text += line;
    };
    append(chart.ascendantSign, "Asc");
    for (int body = 0; body < kDivisionalBodyCount; ++body)
        append(chart.bodySigns[body], reading.planetSanskritName[body]);
    return boxes;
}

}  // namespace orbalis
