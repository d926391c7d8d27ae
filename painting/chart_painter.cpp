#include "painting/chart_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>
#include <vector>

#include "charts/text_placement.h"
#include "painting/page.h"
#include "painting/searchable_text.h"

namespace orbalis {

namespace {

// The form's chart is 356 pixels across at 96 dots per inch in 8.25 pt type.
constexpr double kFormChartInches = 356.0 / 96.0;
constexpr double kFormPointSize = 8.25;
// Hinted type can come out a little wider at a smaller size than the scaled
// width: names are measured with this much to spare.
constexpr double kWidthReserve = 1.06;

QStringList Lines(const std::string& text) {
    if (text.empty()) return {};
    QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return all.split(u'\n');
}

// The chart's name in one line, or broken before its "(D9)" where one line
// is too wide for a small centre.
QStringList TitleLines(const QString& title, const QFontMetricsF& metrics, double room) {
    const qsizetype split = title.indexOf(QStringLiteral(" ("));
    if (metrics.horizontalAdvance(title) <= room || split < 0) return {title};
    return {title.left(split), title.mid(split + 1)};
}

}  // namespace

void PaintChart(QPainter& painter, const QRectF& target, const ChartDrawing& chart) {
    const double side = target.width();
    if (side <= 0.0) return;
    QPaintDevice* device = painter.device();
    const double dpi = device ? device->logicalDpiY() : 96.0;
    const double pointSize =
        chart.pointSize > 0.0 ? chart.pointSize : kFormPointSize * (side / dpi) / kFormChartInches;
    const QFont regular = ReportFont(pointSize);
    const QFont bold = ReportFont(pointSize, true);
    const QFontMetricsF regularMetrics(regular, device);
    const QFontMetricsF boldMetrics(bold, device);
    const QString title =
        QString::fromUtf8(chart.title.data(), static_cast<qsizetype>(chart.title.size()));

    // Room for the numbers and the title, in the chart's units.
    ChartMeasures measures;
    measures.numberWidth = (boldMetrics.horizontalAdvance(QStringLiteral("12")) + 2.0) / side;
    measures.numberHeight = boldMetrics.height() / side;
    const QStringList titleLines = TitleLines(title, boldMetrics, 0.30 * side);
    double titleWidth = 0.0;
    for (const QString& line : titleLines)
        titleWidth = std::max(titleWidth, boldMetrics.horizontalAdvance(line));
    measures.titleWidth = (titleWidth + 4.0) / side;
    measures.titleHeight = (titleLines.size() * boldMetrics.height() + 2.0) / side;
    const ChartGeometry geometry = MakeChartGeometry(chart.style, measures);

    painter.save();
    painter.translate(target.topLeft());
    auto at = [side](Point p) { return QPointF(p.x * side, p.y * side); };
    auto rect = [side](const Rect& r) {
        return QRectF(r.left * side, r.top * side, r.width() * side, r.height() * side);
    };

    painter.fillRect(QRectF(0, 0, side, side), kChartAmber);
    QPen pen(kChartLine);
    pen.setWidthF(std::max(1.0, side / 356.0));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const double inset = pen.widthF() / 2;
    for (int i = 0; i < geometry.lineCount; ++i) {
        // The outer lines fall just inside the square, as the picture's do.
        auto inside = [&](QPointF p) {
            return QPointF(std::clamp(p.x(), inset, side - inset),
                           std::clamp(p.y(), inset, side - inset));
        };
        painter.drawLine(inside(at(geometry.lines[i].from)), inside(at(geometry.lines[i].to)));
    }

    // In the North chart the name sits where the lines cross: they stop at it.
    if (chart.style == ChartStyle::North) painter.fillRect(rect(geometry.title), kChartAmber);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    DrawSearchableText(painter, rect(geometry.title), Qt::AlignCenter, titleLines.join(u'\n'));

    const double lineHeight = regularMetrics.height() / side;
    const double gap = regularMetrics.horizontalAdvance(QStringLiteral("  ")) / side;
    for (int area = 0; area < 12; ++area) {
        const ChartArea& place = geometry.areas[area];
        const int sign = SignOfArea(chart.style, area, chart.ascendantSign);

        painter.setFont(bold);
        DrawSearchableText(painter, rect(place.number), Qt::AlignCenter, QString::number(sign + 1));

        const QStringList lines = Lines(chart.signTexts[sign]);
        if (lines.isEmpty()) continue;
        std::vector<double> widths;
        widths.reserve(lines.size());
        for (const QString& line : lines)
            widths.push_back(regularMetrics.horizontalAdvance(line.trimmed()) * kWidthReserve /
                             side);
        const TextPlacement placed = PlaceTexts(place.textRegion, widths, lineHeight, gap);
        QFont font = regular;
        font.setPointSizeF(pointSize * placed.scale);
        painter.setFont(font);
        for (qsizetype i = 0; i < lines.size(); ++i)
            DrawSearchableText(painter, rect(placed.texts[static_cast<std::size_t>(i)]),
                               Qt::AlignLeft | Qt::AlignVCenter, lines[i].trimmed());
    }
    painter.restore();
}

}  // namespace orbalis
