#pragma once

#include <array>
#include <string_view>

namespace orbalis {

// The South Indian chart: a 4 x 4 grid whose centre four cells form one empty
// square, leaving twelve sign boxes round the edge. The signs never move:
// Aries is the second box of the top row, and the signs run clockwise.
// All measures are in twips from the chart's top left corner.
inline constexpr int kChartWidthTwips = 5340;
inline constexpr int kChartHeightTwips = 5355;
inline constexpr std::array<int, 5> kChartColumnEdgesTwips = {0, 1320, 2670, 4005, 5340};
inline constexpr std::array<int, 5> kChartRowEdgesTwips = {0, 1320, 2670, 4005, 5355};

// The body text of a box starts 570 x 195 and grows downwards; the sign
// number sits in the box's lower right corner, 195 high, 120 wide for one
// digit and 240 for two.
inline constexpr int kBoxTextWidthTwips = 570;
inline constexpr int kBoxTextLineHeightTwips = 195;
inline constexpr int kSignNumberHeightTwips = 195;

struct ChartBoxPlace {
    int row;
    int column;
    int textLeftTwips;
    int textTopTwips;
    std::string_view signNumber;
    int numberLeftTwips;
    int numberTopTwips;
};

// Indexed by sign, 0 Aries .. 11 Pisces.
inline constexpr std::array<ChartBoxPlace, 12> kChartBoxPlaces = {{
    {0, 1, 1665, 60, "1", 2520, 1080},
    {0, 2, 3000, 60, "2", 3840, 1080},
    {0, 3, 4320, 60, "3", 5160, 1080},
    {1, 3, 4320, 1320, "4", 5160, 2400},
    {2, 3, 4320, 2700, "5", 5160, 3720},
    {3, 3, 4320, 4005, "6", 5130, 5040},
    {3, 2, 3000, 4005, "7", 3840, 5040},
    {3, 1, 1665, 4005, "8", 2520, 5040},
    {3, 0, 345, 4005, "9", 1150, 5040},
    {2, 0, 345, 2700, "10", 1080, 3720},
    {1, 0, 345, 1320, "11", 1080, 2400},
    {0, 0, 345, 60, "12", 1080, 1080},
}};

constexpr int SignNumberWidthTwips(const ChartBoxPlace& place) {
    return place.signNumber.size() == 1 ? 120 : 240;
}

}  // namespace orbalis
