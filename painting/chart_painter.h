#pragma once

#include <QColor>
#include <array>
#include <string>

#include "charts/chart_geometry.h"

class QPainter;
class QRectF;

namespace orbalis {

// The chart's amber and its dark lines, as in the South Indian chart picture.
inline const QColor kChartAmber(252, 206, 96);
inline const QColor kChartLine(90, 50, 0);

// What one chart shows: the texts of the twelve signs (Aries first; "Asc"
// and body names, lines joined by CR LF), the ascendant's sign, which fixes
// the houses of the North chart, and the name in its centre.
struct ChartDrawing {
    ChartStyle style = ChartStyle::South;
    std::array<std::string, 12> signTexts;
    int ascendantSign = 0;
    std::string title;
    // The type of a printed chart, in points; 0 scales the form's with the
    // side, as on screen.
    double pointSize = 0.0;
};

// Paints the chart into the square at `target`'s top left whose side is
// `target`'s width, in the form's type scaled with the side: at 356 pixels
// on a 96-dpi screen the type is the form's own 8.25 pt. Crowded areas set
// their names smaller rather than let one leave its area.
void PaintChart(QPainter& painter, const QRectF& target, const ChartDrawing& chart);

}  // namespace orbalis
