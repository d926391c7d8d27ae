#include "painting/chart_box_fit.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>

#include "painting/form_font.h"

namespace orbalis {

namespace {

constexpr qreal kLargestPointSize = 8.25;  // the form's own type
constexpr qreal kSmallestPointSize = 5.5;  // still readable on screen and paper
constexpr qreal kPointSizeStep = 0.25;
constexpr int kColumnGap = 3;

struct Arrangement {
    int left;
    int columns;
};

// Lays the lines out in `columns` columns from (`left`, `top`); an empty
// list when a line would leave `inner` or touch the sign number.
QList<QRect> Arrange(const QStringList& lines, const QFontMetrics& metrics, const QRect& inner,
                     const QRect& clearOf, int left, int top, int columns, int columnWidth) {
    QList<QRect> rects;
    const int rows = (static_cast<int>(lines.size()) + columns - 1) / columns;
    for (int i = 0; i < lines.size(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        const int width = metrics.horizontalAdvance(lines[i]);
        if (columns > 1 && width > columnWidth) return {};
        const QRect line(left + column * (columnWidth + kColumnGap),
                         top + row * metrics.lineSpacing(), std::max(width, 1),
                         metrics.lineSpacing());
        if (!inner.contains(line) || line.intersects(clearOf)) return {};
        rects.append(line);
    }
    return rects;
}

}  // namespace

QStringList ChartBoxLines(const QString& text) {
    if (text.isEmpty()) return {};
    return text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
}

ChartBoxFit FitChartBox(const QStringList& lines, const QRect& box, const QRect& textPlace,
                        const QRect& signNumber) {
    // Two pixels clear of the grid lines on every side.
    const QRect inner = box.adjusted(2, 2, -2, -2);
    const QRect clearOf = signNumber.adjusted(-1, -1, 1, 1);
    const int top = std::max(textPlace.top(), inner.top());

    ChartBoxFit fit;
    fit.font = FormFont();
    if (lines.isEmpty()) {
        fit.lineSpacing = QFontMetrics(fit.font).lineSpacing();
        fit.columnWidth = textPlace.width();
        fit.rect = QRect(textPlace.left(), top, textPlace.width(), textPlace.height());
        return fit;
    }

    const int twoColumnWidth = (inner.width() - kColumnGap) / 2;
    const Arrangement arrangements[] = {
        {textPlace.left(), 1},  // the box's own place
        {inner.left(), 1},      // the whole inner width
        {inner.left(), 2},      // two columns across it
    };
    for (qreal size = kLargestPointSize; size >= kSmallestPointSize - 0.001;
         size -= kPointSizeStep) {
        const QFont font = FormFont(false, size);
        const QFontMetrics metrics(font);
        for (const Arrangement& arrangement : arrangements) {
            if (arrangement.columns > static_cast<int>(lines.size())) continue;
            const int columnWidth =
                arrangement.columns == 1 ? inner.right() + 1 - arrangement.left : twoColumnWidth;
            QList<QRect> rects = Arrange(lines, metrics, inner, clearOf, arrangement.left, top,
                                         arrangement.columns, columnWidth);
            if (rects.isEmpty()) continue;
            fit.font = font;
            fit.columns = arrangement.columns;
            fit.columnWidth = columnWidth;
            fit.lineSpacing = metrics.lineSpacing();
            fit.lineRects = rects;
            QRect united = QRect(arrangement.left, top, 1, 1);
            for (const QRect& r : rects) united = united.united(r);
            // Keep the box's own 570-twip width where the box has room for it.
            if (arrangement.left == textPlace.left())
                united.setRight(
                    std::max(united.right(), std::min(textPlace.right(), inner.right())));
            fit.rect = united;
            return fit;
        }
    }

    // Nothing fits even in the smallest type: set it in two columns of that
    // type and let the label clip at the box edge rather than spill over.
    const QFont font = FormFont(false, kSmallestPointSize);
    const QFontMetrics metrics(font);
    fit.font = font;
    fit.columns = lines.size() > 1 ? 2 : 1;
    fit.columnWidth = fit.columns == 1 ? inner.width() : twoColumnWidth;
    fit.lineSpacing = metrics.lineSpacing();
    const int rows = (static_cast<int>(lines.size()) + fit.columns - 1) / fit.columns;
    for (int i = 0; i < lines.size(); ++i) {
        fit.lineRects.append(QRect(inner.left() + (i / rows) * (fit.columnWidth + kColumnGap),
                                   top + (i % rows) * fit.lineSpacing, fit.columnWidth,
                                   fit.lineSpacing));
    }
    fit.rect = QRect(inner.left(), top, inner.width(), inner.bottom() + 1 - top);
    fit.fits = false;
    return fit;
}

}  // namespace orbalis
