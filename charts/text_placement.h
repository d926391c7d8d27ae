#pragma once

#include <span>
#include <vector>

#include "charts/plane.h"

namespace orbalis {

// Where the body texts of one area go. The texts keep their order, row by
// row from the top, each row centred; a crowded area sets them smaller
// rather than cut one.
struct TextPlacement {
    double scale = 1.0;       // of the type the widths were measured in
    std::vector<Rect> texts;  // one per text, inside the region
};

// `widths` are the texts' widths and `lineHeight` the height of a line, both
// in the chart's units at scale 1; `gap` is the space between two texts on a
// row at scale 1. Every rect returned lies inside `region`. Below
// `smallestScale` the texts are placed at that scale even if they do not fit.
TextPlacement PlaceTexts(const Polygon& region, std::span<const double> widths, double lineHeight,
                         double gap, double smallestScale = 0.25);

}  // namespace orbalis
