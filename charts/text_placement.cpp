#include "charts/text_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbalis {

namespace {

constexpr double kScaleStep = 0.025;
// Trial starting heights per line height when looking for the most central
// block of rows.
constexpr int kStartsPerLine = 4;

// The x range free over the whole band between y0 and y1: in a convex
// region it is the overlap of the ranges at the band's two edges.
bool BandAt(const Polygon& region, double y0, double y1, double& left, double& right) {
    double l0, r0, l1, r1;
    if (!region.rowAt(y0, l0, r0) || !region.rowAt(y1, l1, r1)) return false;
    left = std::max(l0, l1);
    right = std::min(r0, r1);
    return right > left;
}

// Rows from `top` down; false when the texts run out of region.
bool FillRows(const Polygon& region, std::span<const double> widths, double lineHeight, double gap,
              double top, double bottom, std::size_t perRow, std::vector<Rect>& out) {
    out.clear();
    std::size_t next = 0;
    for (double y = top; next < widths.size(); y += lineHeight) {
        if (y + lineHeight > bottom) return false;
        double left, right;
        if (!BandAt(region, y, y + lineHeight, left, right)) continue;
        const double room = right - left;
        double used = 0.0;
        std::size_t end = next;
        while (end < widths.size() && end - next < perRow) {
            const double more = widths[end] + (end > next ? gap : 0.0);
            if (used + more > room) break;
            used += more;
            ++end;
        }
        if (end == next) continue;  // not even one text: try the next row down
        double x = left + (room - used) / 2;
        for (std::size_t i = next; i < end; ++i) {
            out.push_back({x, y, x + widths[i], y + lineHeight});
            x += widths[i] + gap;
        }
        next = end;
    }
    return true;
}

}  // namespace

TextPlacement PlaceTexts(const Polygon& region, std::span<const double> widths, double lineHeight,
                         double gap, double smallestScale) {
    TextPlacement placement;
    if (widths.empty() || region.empty()) return placement;
    const Rect bounds = region.bounds();
    const double centreY = region.centroid().y;
    std::vector<double> scaled(widths.size());
    std::vector<Rect> rows;

    for (double scale = 1.0; scale >= smallestScale - 1e-9; scale -= kScaleStep) {
        const double line = lineHeight * scale;
        for (std::size_t i = 0; i < widths.size(); ++i) scaled[i] = widths[i] * scale;
        // One name a line reads best; several a line before smaller type.
        for (std::size_t perRow : {std::size_t{1}, widths.size()}) {
            // Of the starting heights that fit, the one whose rows sit
            // closest round the region's centre.
            double bestDistance = std::numeric_limits<double>::max();
            const double step = line / kStartsPerLine;
            for (double top = bounds.top; top + line <= bounds.bottom; top += step) {
                if (!FillRows(region, scaled, line, gap * scale, top, bounds.bottom, perRow, rows))
                    continue;
                const double blockCentre = (rows.front().top + rows.back().bottom) / 2;
                const double distance = std::abs(blockCentre - centreY);
                if (distance < bestDistance) {
                    bestDistance = distance;
                    placement.texts = rows;
                    placement.scale = scale;
                }
            }
            if (!placement.texts.empty()) return placement;
        }
    }

    // Nothing fits even at the smallest scale: one text under another from
    // the region's top, left-aligned, so at least none overlaps another.
    placement.scale = smallestScale;
    double y = bounds.top;
    for (double w : widths) {
        placement.texts.push_back(
            {bounds.left, y, bounds.left + w * smallestScale, y + lineHeight * smallestScale});
        y += lineHeight * smallestScale;
    }
    return placement;
}

}  // namespace orbalis
