#include "charts/chart_geometry.h"
#include "charts/text_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orbalis {
namespace {

// The areas run round the chart: the North chart's houses anticlockwise from
// the top centre, the East chart's signs anticlockwise from Aries at the top
// centre, the South chart's signs clockwise from Aries second in the top row.
// Angles of the areas' centres round the chart's centre, in degrees, 90 at
// the top, growing anticlockwise.
struct AreaCase {
    const char* name;
    ChartStyle style;
    double firstAngle;  // of area 0, within 1 degree
    int turn;           // +1 anticlockwise, -1 clockwise
};

const AreaCase kAreaCases[] = {
    {"North: the 1st house at the top centre, then anticlockwise", ChartStyle::North, 90.0, 1},
    {"East: Aries at the top centre, then anticlockwise", ChartStyle::East, 90.0, 1},
    {"South: Aries second in the top row, then clockwise", ChartStyle::South, 108.4, -1},
};

double AngleOf(Point p) {
    return std::atan2(0.5 - p.y, p.x - 0.5) * 180.0 / 3.14159265358979;
}

double Area(const Polygon& p) {
    double twice = 0.0;
    for (int i = 0; i < p.count; ++i) {
        const Point a = p.corners[i];
        const Point b = p.corners[(i + 1) % p.count];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

TEST(ChartGeometry, AreasRunRoundTheChartAndTileIt) {
    for (const AreaCase& c : kAreaCases) {
        SCOPED_TRACE(c.name);
        const ChartGeometry geometry = MakeChartGeometry(c.style);
        EXPECT_NEAR(AngleOf(geometry.areas[0].outline.centroid()), c.firstAngle, 1.0);
        double total = 0.0;
        for (int area = 0; area < 12; ++area) {
            SCOPED_TRACE(area);
            const double from = AngleOf(geometry.areas[area].outline.centroid());
            const double to = AngleOf(geometry.areas[(area + 1) % 12].outline.centroid());
            const double step = std::remainder((to - from) * c.turn, 360.0);
            EXPECT_GT(step, 10.0);
            EXPECT_LT(step, 50.0);
            total += Area(geometry.areas[area].outline);
        }
        // Twelve areas and, but for the North chart, the centre fill the chart.
        const Rect& t = geometry.title;
        const double centre = c.style == ChartStyle::North ? 0.0 : 1.0 - total;
        EXPECT_NEAR(total + centre, 1.0, 1e-9);
        EXPECT_GT(centre, c.style == ChartStyle::North ? -1.0 : t.width() * t.height());
        EXPECT_NEAR((t.left + t.right) / 2, 0.5, 0.01) << "the title is centred";
    }
}

TEST(ChartGeometry, NorthHousesCarryTheSignsFromTheAscendant) {
    EXPECT_EQ(SignOfArea(ChartStyle::North, 0, 5), 5);
    EXPECT_EQ(SignOfArea(ChartStyle::North, 7, 5), 0);
    EXPECT_EQ(AreaOfSign(ChartStyle::North, 0, 5), 7);
    EXPECT_EQ(SignOfArea(ChartStyle::East, 7, 5), 7);
}

// Widths of body texts in the form's type on a chart 356 pixels across, in
// the chart's units: "Asc" and the nine bodies, five of them retrograde.
constexpr double kPixel = 1.0 / 356.0;
const std::vector<double> kAllTexts = {24 * kPixel, 36 * kPixel, 52 * kPixel, 68 * kPixel,
                                       72 * kPixel, 82 * kPixel, 60 * kPixel, 66 * kPixel,
                                       32 * kPixel, 30 * kPixel};
constexpr double kLine = 13 * kPixel;
constexpr double kGap = 4 * kPixel;

struct PlacementCase {
    const char* name;
    int texts;
    double smallestScale;  // the least the crowded area may shrink to
};

const PlacementCase kPlacementCases[] = {
    {"one body keeps the full type", 1, 1.0},
    {"three bodies", 3, 0.8},
    {"the ascendant and nine bodies in one area", 10, 0.6},
};

TEST(ChartGeometry, BodiesStayInsideTheirOwnAreaClearOfNumberAndTitle) {
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
        const ChartGeometry geometry = MakeChartGeometry(style);
        for (const PlacementCase& c : kPlacementCases) {
            for (int area = 0; area < 12; ++area) {
                SCOPED_TRACE(testing::Message() << "style " << static_cast<int>(style) << ", "
                                                << c.name << ", area " << area);
                const ChartArea& a = geometry.areas[area];
                EXPECT_TRUE(a.outline.contains(a.number));
                EXPECT_FALSE(a.number.intersects(geometry.title));
                const std::vector<double> widths(kAllTexts.begin(), kAllTexts.begin() + c.texts);
                const TextPlacement placed = PlaceTexts(a.textRegion, widths, kLine, kGap);
                EXPECT_EQ(placed.texts.size(), widths.size());
                EXPECT_GE(placed.scale, c.smallestScale - 1e-9);
                for (std::size_t i = 0; i < std::min(placed.texts.size(), widths.size()); ++i) {
                    const Rect& r = placed.texts[i];
                    EXPECT_TRUE(a.outline.contains(r)) << "text " << i;
                    EXPECT_FALSE(r.intersects(a.number)) << "text " << i;
                    EXPECT_FALSE(r.intersects(geometry.title)) << "text " << i;
                    EXPECT_NEAR(r.width(), widths[i] * placed.scale, 1e-12) << "text " << i;
                    for (std::size_t j = 0; j < i; ++j)
                        EXPECT_FALSE(r.intersects(placed.texts[j])) << i << " over " << j;
                }
            }
        }
    }
}

}  // namespace
}  // namespace orbalis
