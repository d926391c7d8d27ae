#include "report/report_sheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>

#include "dosha/kuja_dosha_details_text.h"
#include "model/utc_offset.h"
#include "painting/chart_painter.h"
#include "painting/page.h"
#include "painting/searchable_text.h"
#include "results/personal_details.h"

namespace orbalis {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ReportSheet::ReportSheet(QPagedPaintDevice& device, QPainter& painter)
    : device_(device),
      painter_(painter),
      page_(device.pageLayout().paintRectPixels(device.logicalDpiY())),
      mm_(device.logicalDpiY() / 25.4) {
    page_.moveTo(0, 0);
}

void ReportSheet::need(double height) {
    if (y_ + height <= page_.height() || y_ == 0.0) return;
    device_.newPage();
    y_ = 0.0;
}

void ReportSheet::newPage() {
    if (y_ == 0.0) return;
    device_.newPage();
    y_ = 0.0;
}

double ReportSheet::heightOf(const QString& words, const QFont& font, double width) {
    painter_.setFont(font);
    return painter_.boundingRect(QRectF(0, 0, width, page_.height()), Qt::TextWordWrap, words)
        .height();
}

void ReportSheet::text(const QString& words, const QFont& font, const QColor& colour, double left,
                       double width) {
    if (words.isEmpty()) return;
    if (width < 0) width = page_.width() - left;
    const double height = heightOf(words, font, width);
    need(height);
    painter_.setPen(colour);
    DrawSearchableParagraph(painter_, QRectF(left, y_, width, height), words);
    y_ += height;
}

void ReportSheet::section(const QString& title, double left, double width) {
    if (width < 0) width = page_.width() - left;
    const QFont font = ReportFont(kSectionPoints, true);
    // A title alone at the foot of a page goes over with what follows.
    need(QFontMetricsF(font, &device_).height() * 4);
    skip(3);
    text(title, font, kSectionColour, left, width);
    painter_.setPen(QPen(kSectionColour, mm(0.3)));
    painter_.drawLine(QPointF(left, y_ + mm(0.5)), QPointF(left + width, y_ + mm(0.5)));
    skip(2);
}

void ReportSheet::table(const std::vector<QStringList>& rows,
                        const std::vector<double>& columnStarts, bool heading, double tableLeft,
                        double tableWidth) {
    if (tableWidth < 0) tableWidth = page_.width() - tableLeft;
    const QFont regular = ReportFont(kBodyPoints);
    const QFont bold = ReportFont(kBodyPoints, true);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool headingRow = heading && r == 0;
        painter_.setFont(headingRow ? bold : regular);
        // The cells of a row share the baseline of their first lines: a cell
        // in Tamil or Devanagari stands taller than one in Latin letters.
        std::vector<double> ascents;
        for (const QString& words : rows[r]) ascents.push_back(FirstLineAscent(painter_, words));
        const double rowAscent =
            ascents.empty() ? 0.0 : *std::max_element(ascents.begin(), ascents.end());
        double rowHeight = 0.0;
        std::vector<QRectF> cells;
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const auto column = static_cast<std::size_t>(c);
            const double left = tableLeft + columnStarts[column] * tableWidth;
            const double right = column + 1 < columnStarts.size()
                                     ? tableLeft + columnStarts[column + 1] * tableWidth - mm(2)
                                     : tableLeft + tableWidth;
            const QRectF bounds = painter_.boundingRect(
                QRectF(left, 0, right - left, page_.height()), Qt::TextWordWrap, rows[r][c]);
            const double drop = rowAscent - ascents[column];
            rowHeight = std::max(rowHeight, drop + bounds.height());
            cells.push_back(QRectF(left, drop, right - left, bounds.height()));
        }
        // A heading goes over with the first row under it.
        need(headingRow ? rowHeight * 2.2 : rowHeight);
        painter_.setPen(Qt::black);
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            QRectF cell = cells[static_cast<std::size_t>(c)];
            cell.translate(0, y_);
            DrawSearchableParagraph(painter_, cell, rows[r][c]);
        }
        y_ += rowHeight + mm(0.6);
        if (headingRow) {
            painter_.setPen(QPen(Qt::gray, mm(0.15)));
            painter_.drawLine(QPointF(tableLeft, y_ - mm(0.3)),
                              QPointF(tableLeft + tableWidth, y_ - mm(0.3)));
            y_ += mm(0.4);
        }
    }
}

void ReportSheet::chart(const ChartDrawing& drawing, double left, double side) {
    need(side);
    PaintChart(painter_, QRectF(left, y_, side, side), drawing);
}

std::vector<QStringList> BirthRows(const BirthDetails& birth, const Catalogue& words) {
    const PersonalDetailTexts texts = PersonalDetails(birth, words);
    const QString time = QStringLiteral("%1:%2")
                             .arg(birth.hour, 2, 10, QLatin1Char('0'))
                             .arg(birth.minute, 2, 10, QLatin1Char('0'));
    auto degrees = [](int whole, int minutes, char hemisphere) {
        return QStringLiteral("%1\u00b0 %2' %3")
            .arg(whole)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(QLatin1Char(hemisphere));
    };
    return {
        {Q(Tr(words, "Name")), Q(birth.name)},
        {Q(Tr(words, "Date of birth")), Q(texts.dateOfBirth).section(QStringLiteral(": "), 1)},
        {Q(Tr(words, "Time of birth")),
         Q(Fill(Tr(words, "{time}, clock time {offset}"),
                {{"time", time.toStdString()},
                 {"offset", UtcOffsetForPeople(BirthUtcOffsetMinutes(birth) * 60)}}))},
        {Q(Tr(words, "Place")), QStringList{Q(birth.city), Q(birth.state), Q(birth.country)}
                                    .filter(QRegularExpression(QStringLiteral("\\S")))
                                    .join(QStringLiteral(", "))},
        {Q(Tr(words, "Latitude")),
         degrees(birth.latitudeDegrees, birth.latitudeMinutes, birth.isSouth ? 'S' : 'N')},
        {Q(Tr(words, "Longitude")),
         degrees(birth.longitudeDegrees, birth.longitudeMinutes, birth.isEast ? 'E' : 'W')},
        {Q(Tr(words, "Time zone")), Q(ZoneUsedText(birth, words))},
    };
}

std::vector<QStringList> ClassicalRows(const ClassicalKujaDosha& analysis, const Catalogue& words) {
    std::vector<QStringList> rows = {{}};
    for (std::string_view title : kClassicalColumnTitles) rows[0].append(Q(Tr(words, title)));
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const ClassicalRowText row =
            ClassicalRow(analysis, static_cast<KujaReference>(reference), words);
        rows.push_back({Q(row.from), Q(row.house), Q(row.doshaHouse), Q(row.verdict)});
    }
    return rows;
}

QString PdfFileName(const QString& text, const QString& fallback) {
    QString name = text.simplified();
    // Characters no file system takes in a name.
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")));
    name = name.simplified();
    if (name.isEmpty()) name = fallback;
    return name + QStringLiteral(".pdf");
}

QByteArray PaintedPdf(const QString& title, const std::function<bool(QPagedPaintDevice&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        SetUpA4(writer, title);
        if (!paint(writer)) return {};
    }
    buffer.close();
    return WithActualText(bytes);
}

}  // namespace orbalis
