#include "charts/chart_geometry.h"

#include <cmath>

#include "charts/south_chart_layout.h"

namespace orbalis {

namespace {

// Where an area's sign number goes: as close to `anchor` as the area allows,
// moving from it in `direction` (a unit step along x or y), centred on the
// line through it. The North chart writes each number by the house's corner
// nearest the centre, the East chart by the side or corner that meets the
// centre square.
struct NumberPlace {
    Point anchor;
    Point direction;
};

struct AreaPlan {
    Polygon outline;
    NumberPlace number;
};

constexpr Point kUp{0, -1};
constexpr Point kDown{0, 1};
constexpr Point kLeft{-1, 0};
constexpr Point kRight{1, 0};

Rect NumberRectAt(const NumberPlace& place, double distance, const ChartMeasures& m) {
    const Point d = place.direction;
    const double along = d.x != 0.0 ? m.numberWidth : m.numberHeight;
    const Point centre{place.anchor.x + d.x * (distance + along / 2),
                       place.anchor.y + d.y * (distance + along / 2)};
    return {centre.x - m.numberWidth / 2, centre.y - m.numberHeight / 2,
            centre.x + m.numberWidth / 2, centre.y + m.numberHeight / 2};
}

ChartArea MakeArea(const AreaPlan& plan, const Rect& title, const ChartMeasures& m) {
    ChartArea area;
    area.outline = plan.outline;
    const Polygon inner = plan.outline.shrunk(m.margin);
    const Rect keepClear = title.grown(m.margin);
    double distance = 0.0;
    constexpr double kStep = 0.0025;
    for (; distance < 1.0; distance += kStep) {
        const Rect r = NumberRectAt(plan.number, distance, m);
        if (inner.contains(r) && !r.intersects(keepClear)) break;
    }
    area.number = NumberRectAt(plan.number, distance, m);
    // Everything beyond the number, seen from the anchor, is for the bodies.
    const Point d = plan.number.direction;
    const double along = d.x != 0.0 ? m.numberWidth : m.numberHeight;
    area.textRegion = inner.keepingSide(plan.number.anchor, d, distance + along + m.margin);
    return area;
}

ChartGeometry Assemble(ChartStyle style, const std::array<AreaPlan, 12>& plans,
                       std::initializer_list<Segment> lines, const Rect& title,
                       const ChartMeasures& m) {
    ChartGeometry geometry;
    geometry.style = style;
    geometry.title = title;
    for (int i = 0; i < 12; ++i) geometry.areas[i] = MakeArea(plans[i], title, m);
    for (const Segment& s : lines) geometry.lines[geometry.lineCount++] = s;
    return geometry;
}

Rect CentredTitle(double width, double height) {
    return {0.5 - width / 2, 0.5 - height / 2, 0.5 + width / 2, 0.5 + height / 2};
}

ChartGeometry SouthGeometry(const ChartMeasures& m) {
    std::array<double, 5> x{};
    std::array<double, 5> y{};
    for (int i = 0; i < 5; ++i) {
        x[i] = static_cast<double>(kChartColumnEdgesTwips[i]) / kChartWidthTwips;
        y[i] = static_cast<double>(kChartRowEdgesTwips[i]) / kChartHeightTwips;
    }
    std::array<AreaPlan, 12> plans;
    for (int sign = 0; sign < 12; ++sign) {
        const ChartBoxPlace& place = kChartBoxPlaces[sign];
        const int r = place.row;
        const int c = place.column;
        plans[sign].outline =
            MakePolygon({{x[c], y[r]}, {x[c + 1], y[r]}, {x[c + 1], y[r + 1]}, {x[c], y[r + 1]}});
        // The number in the lower right corner, the bodies above it.
        plans[sign].number = {{x[c + 1] - m.numberWidth / 2 - m.margin, y[r + 1]}, kUp};
    }
    const Rect title{x[1], y[1], x[3], y[3]};
    return Assemble(ChartStyle::South, plans,
                    {{{0, 0}, {1, 0}},
                     {{1, 0}, {1, 1}},
                     {{1, 1}, {0, 1}},
                     {{0, 1}, {0, 0}},
                     {{0, y[1]}, {1, y[1]}},
                     {{0, y[3]}, {1, y[3]}},
                     {{x[1], 0}, {x[1], 1}},
                     {{x[3], 0}, {x[3], 1}},
                     {{x[2], 0}, {x[2], y[1]}},
                     {{x[2], y[3]}, {x[2], 1}},
                     {{0, y[2]}, {x[1], y[2]}},
                     {{x[3], y[2]}, {1, y[2]}}},
                    title.grown(-m.margin), m);
}

ChartGeometry NorthGeometry(const ChartMeasures& m) {
    // The square, its diagonals and the diamond through the middles of its
    // sides; the diagonals cross the diamond at the quarter points.
    constexpr Point tl{0, 0}, tr{1, 0}, br{1, 1}, bl{0, 1};
    constexpr Point top{0.5, 0}, right{1, 0.5}, bottom{0.5, 1}, left{0, 0.5};
    constexpr Point c{0.5, 0.5};
    constexpr Point qtl{0.25, 0.25}, qtr{0.75, 0.25}, qbr{0.75, 0.75}, qbl{0.25, 0.75};
    const std::array<AreaPlan, 12> plans = {{
        {MakePolygon({top, qtr, c, qtl}), {c, kUp}},       // 1st: top centre
        {MakePolygon({tl, top, qtl}), {qtl, kUp}},         // 2nd: anticlockwise
        {MakePolygon({tl, qtl, left}), {qtl, kLeft}},      // 3rd
        {MakePolygon({left, qtl, c, qbl}), {c, kLeft}},    // 4th: left centre
        {MakePolygon({left, qbl, bl}), {qbl, kLeft}},      // 5th
        {MakePolygon({bl, qbl, bottom}), {qbl, kDown}},    // 6th
        {MakePolygon({bottom, qbl, c, qbr}), {c, kDown}},  // 7th: bottom centre
        {MakePolygon({bottom, qbr, br}), {qbr, kDown}},    // 8th
        {MakePolygon({br, qbr, right}), {qbr, kRight}},    // 9th
        {MakePolygon({right, qbr, c, qtr}), {c, kRight}},  // 10th: right centre
        {MakePolygon({right, qtr, tr}), {qtr, kRight}},    // 11th
        {MakePolygon({tr, qtr, top}), {qtr, kUp}},         // 12th
    }};
    return Assemble(ChartStyle::North, plans,
                    {{tl, tr},
                     {tr, br},
                     {br, bl},
                     {bl, tl},
                     {tl, br},
                     {tr, bl},
                     {top, right},
                     {right, bottom},
                     {bottom, left},
                     {left, top}},
                    CentredTitle(m.titleWidth, m.titleHeight), m);
}

ChartGeometry EastGeometry(const ChartMeasures& m) {
    constexpr double a = 1.0 / 3.0;
    constexpr double b = 2.0 / 3.0;
    constexpr Point tl{0, 0}, tr{1, 0}, br{1, 1}, bl{0, 1};
    constexpr Point ctl{a, a}, ctr{b, a}, cbr{b, b}, cbl{a, b};  // the centre square
    // A corner triangle's number sits against the leg it shares with the
    // centre square's side, not across it.
    const double nx = m.numberWidth / 2 + m.margin;
    const double ny = m.numberHeight / 2 + m.margin;
    const std::array<AreaPlan, 12> plans = {{
        {MakePolygon({{a, 0}, {b, 0}, ctr, ctl}), {{0.5, a}, kUp}},     // Aries: top centre
        {MakePolygon({tl, {a, 0}, ctl}), {{a - nx, a}, kUp}},           // Taurus: anticlockwise
        {MakePolygon({tl, ctl, {0, a}}), {{a, a - ny}, kLeft}},         // Gemini
        {MakePolygon({{0, a}, ctl, cbl, {0, b}}), {{a, 0.5}, kLeft}},   // Cancer: left centre
        {MakePolygon({{0, b}, cbl, bl}), {{a, b + ny}, kLeft}},         // Leo
        {MakePolygon({bl, cbl, {a, 1}}), {{a - nx, b}, kDown}},         // Virgo
        {MakePolygon({{a, 1}, cbl, cbr, {b, 1}}), {{0.5, b}, kDown}},   // Libra: bottom centre
        {MakePolygon({{b, 1}, cbr, br}), {{b + nx, b}, kDown}},         // Scorpio
        {MakePolygon({br, cbr, {1, b}}), {{b, b + ny}, kRight}},        // Sagittarius
        {MakePolygon({{1, b}, cbr, ctr, {1, a}}), {{b, 0.5}, kRight}},  // Capricorn: right centre
        {MakePolygon({{1, a}, ctr, tr}), {{b, a - ny}, kRight}},        // Aquarius
        {MakePolygon({tr, ctr, {b, 0}}), {{b + nx, a}, kUp}},           // Pisces
    }};
    const Rect title{a, a, b, b};
    return Assemble(ChartStyle::East, plans,
                    {{tl, tr},
                     {tr, br},
                     {br, bl},
                     {bl, tl},
                     {{a, 0}, {a, 1}},
                     {{b, 0}, {b, 1}},
                     {{0, a}, {1, a}},
                     {{0, b}, {1, b}},
                     {tl, ctl},
                     {tr, ctr},
                     {br, cbr},
                     {bl, cbl}},
                    title.grown(-m.margin), m);
}

}  // namespace

ChartGeometry MakeChartGeometry(ChartStyle style, const ChartMeasures& measures) {
    switch (style) {
        case ChartStyle::North:
            return NorthGeometry(measures);
        case ChartStyle::East:
            return EastGeometry(measures);
        case ChartStyle::South:
            break;
    }
    return SouthGeometry(measures);
}

}  // namespace orbalis
