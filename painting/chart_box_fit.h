#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QStringList>

namespace orbalis {

// How the lines of one chart box are set so that they stay inside the box
// and clear of its sign number. The box's own place for text is 570 twips
// wide and grows downwards; a longer name may use the box's inner width, and
// a crowded box (the ascendant and six bodies can share a sign) gets a
// smaller type or two columns.
struct ChartBoxFit {
    QFont font;
    int columns = 1;
    int columnWidth = 0;
    int lineSpacing = 0;
    QList<QRect> lineRects;  // where each line is drawn, in chart coordinates
    QRect rect;              // the union of the line rects, at least the box's own text place
    bool fits = true;        // false only when even the smallest type cannot hold the text
};

// `box` is the area between the grid lines; `textPlace` the box's own text
// place (its width is the preferred minimum); `signNumber` the rect of the
// sign number that the text must keep clear of.
ChartBoxFit FitChartBox(const QStringList& lines, const QRect& box, const QRect& textPlace,
                        const QRect& signNumber);

// The lines of a box text as the reading writes it, CR LF between lines.
QStringList ChartBoxLines(const QString& text);

}  // namespace orbalis
