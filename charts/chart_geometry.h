#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "charts/plane.h"

namespace orbalis {

// The three ways of drawing a chart.
//   South: twelve boxes round the edge of a 4 x 4 grid, signs fixed, Aries
//          second in the top row, clockwise.
//   North: the diamond chart, houses fixed, the 1st house at the top centre
//          and the others anticlockwise; each house shows its sign number.
//   East:  a 3 x 3 grid whose corner cells are halved by their diagonals,
//          signs fixed, Aries at the top centre, anticlockwise.
enum class ChartStyle { South, North, East };

// The style's name in the settings and on the command line.
constexpr std::string_view ChartStyleName(ChartStyle style) {
    return style == ChartStyle::North ? "north" : style == ChartStyle::East ? "east" : "south";
}
constexpr std::optional<ChartStyle> ChartStyleNamed(std::string_view name) {
    if (name == "south") return ChartStyle::South;
    if (name == "north") return ChartStyle::North;
    if (name == "east") return ChartStyle::East;
    return std::nullopt;
}

// The sizes, as fractions of the chart's side, of what the geometry must
// make room for besides the bodies.
struct ChartMeasures {
    double numberWidth = 0.045;  // a two-digit sign number
    double numberHeight = 0.04;
    double titleWidth = 0.30;    // the chart's name in the centre
    double titleHeight = 0.085;  // room for two lines where the centre is small
    double margin = 0.008;       // kept clear of every line
};

// One area of a chart: a house of the North chart, a sign of the others.
struct ChartArea {
    Polygon outline;     // between the lines
    Rect number;         // the sign number
    Polygon textRegion;  // where the bodies go: inside the outline, clear of
                         // its lines, the number and the title
};

struct ChartGeometry {
    ChartStyle style = ChartStyle::South;
    // North: by house from the 1st; South and East: by sign from Aries.
    std::array<ChartArea, 12> areas;
    std::array<Segment, 12> lines{};  // every line inside and round the chart
    int lineCount = 0;
    Rect title;  // the chart's name, in the centre
};

ChartGeometry MakeChartGeometry(ChartStyle style, const ChartMeasures& measures = {});

// The sign shown in an area: in the North chart house h holds the h-th sign
// from the ascendant's, elsewhere area k is sign k.
constexpr int SignOfArea(ChartStyle style, int area, int ascendantSign) {
    return style == ChartStyle::North ? (ascendantSign + area) % 12 : area;
}
constexpr int AreaOfSign(ChartStyle style, int sign, int ascendantSign) {
    return style == ChartStyle::North ? (sign - ascendantSign + 12) % 12 : sign;
}

}  // namespace orbalis
