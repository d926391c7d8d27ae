#include "report/reading_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "charts/divisional_boxes.h"
#include "charts/divisional_chart.h"
#include "charts/divisions.h"
#include "clock/place_clock.h"
#include "dasha/dasha_birth.h"
#include "dasha/dasha_sheet.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_status.h"
#include "model/program_identity.h"
#include "model/reference_tables.h"
#include "model/utc_offset.h"
#include "painting/chart_painter.h"
#include "painting/page.h"
#include "reading/far_zone.h"
#include "results/personal_details.h"

namespace orbalis {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr double kBodyPoints = 9.0;
constexpr double kHeadingPoints = 16.0;
constexpr double kSectionPoints = 11.0;
const QColor kSectionColour(0, 64, 64);    // the results window's dark teal
const QColor kLagnaColour(128, 0, 0);      // as the form's "Ascendant (Lagna)" title
const QColor kMoonColour(0, 0, 128);       // as the form's "Moon Sign (Rashi)" title
const QColor kResultColour(154, 54, 171);  // as the form's result lines
const QColor kWarningColour(192, 0, 0);    // as the form's warnings

// Lays the report out from the top of the page down, starting a new page
// when a block would run past the bottom.
class Sheet {
  public:
    Sheet(QPdfWriter& writer, QPainter& painter)
        : writer_(writer),
          painter_(painter),
          page_(writer.pageLayout().paintRectPixels(writer.resolution())),
          mm_(writer.resolution() / 25.4) {
        page_.moveTo(0, 0);
    }

    double mm(double millimetres) const { return millimetres * mm_; }
    double width() const { return page_.width(); }
    double y() const { return y_; }
    void setY(double y) { y_ = y; }
    void skip(double millimetres) { y_ += mm(millimetres); }

    // Makes room for `height` device units, on a new page if need be.
    void need(double height) {
        if (y_ + height <= page_.height() || y_ == 0.0) return;
        writer_.newPage();
        y_ = 0.0;
    }

    // What follows on a new page.
    void newPage() {
        if (y_ == 0.0) return;
        writer_.newPage();
        y_ = 0.0;
    }

    // A paragraph across `width` from `left`, wrapped at words.
    void text(const QString& words, const QFont& font, const QColor& colour = Qt::black,
              double left = 0.0, double width = -1.0) {
        if (width < 0) width = page_.width() - left;
        painter_.setFont(font);
        const QRectF bounds =
            painter_.boundingRect(QRectF(left, 0, width, page_.height()), Qt::TextWordWrap, words);
        need(bounds.height());
        painter_.setPen(colour);
        painter_.drawText(QRectF(left, y_, width, bounds.height()), Qt::TextWordWrap, words);
        y_ += bounds.height();
    }

    void section(const QString& title) {
        const QFont font = ReportFont(kSectionPoints, true);
        need(QFontMetricsF(font, &writer_).height() * 3);
        skip(4);
        text(title, font, kSectionColour);
        painter_.setPen(QPen(kSectionColour, mm(0.3)));
        painter_.drawLine(QPointF(0, y_ + mm(0.5)), QPointF(page_.width(), y_ + mm(0.5)));
        skip(2);
    }

    // Rows of cells; each column starts at its fraction of the page width.
    // Cells wrap within their column; the first row may be a bold heading.
    // `left` and `width` place the table across the page (the whole width
    // when `width` is negative).
    void table(const std::vector<QStringList>& rows, const std::vector<double>& columnStarts,
               bool heading, double tableLeft = 0.0, double tableWidth = -1.0) {
        if (tableWidth < 0) tableWidth = page_.width() - tableLeft;
        const QFont regular = ReportFont(kBodyPoints);
        const QFont bold = ReportFont(kBodyPoints, true);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const QFont& font = heading && r == 0 ? bold : regular;
            painter_.setFont(font);
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
                rowHeight = std::max(rowHeight, bounds.height());
                cells.push_back(QRectF(left, 0, right - left, bounds.height()));
            }
            need(rowHeight);
            painter_.setPen(Qt::black);
            for (qsizetype c = 0; c < rows[r].size(); ++c) {
                QRectF cell = cells[static_cast<std::size_t>(c)];
                cell.moveTop(y_);
                painter_.drawText(cell, Qt::TextWordWrap, rows[r][c]);
            }
            y_ += rowHeight + mm(0.6);
        }
    }

    QPainter& painter() { return painter_; }

  private:
    QPdfWriter& writer_;
    QPainter& painter_;
    QRectF page_;
    double mm_;
    double y_ = 0.0;
};

QString Degrees(int degrees, int minutes, char hemisphere) {
    return QStringLiteral("%1\u00b0 %2' %3")
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(QLatin1Char(hemisphere));
}

std::vector<QStringList> PersonalRows(const BirthDetails& birth) {
    const PersonalDetailTexts texts = PersonalDetails(birth);
    return {
        {QStringLiteral("Name"), Q(birth.name)},
        {QStringLiteral("Date of birth"), Q(texts.dateOfBirth).section(QStringLiteral(": "), 1)},
        {QStringLiteral("Time of birth"), QStringLiteral("%1:%2")
                                              .arg(birth.hour, 2, 10, QLatin1Char('0'))
                                              .arg(birth.minute, 2, 10, QLatin1Char('0'))},
        {QStringLiteral("Place"), QStringList{Q(birth.city), Q(birth.state), Q(birth.country)}
                                      .filter(QRegularExpression(QStringLiteral("\\S")))
                                      .join(QStringLiteral(", "))},
        {QStringLiteral("Latitude"),
         Degrees(birth.latitudeDegrees, birth.latitudeMinutes, birth.isSouth ? 'S' : 'N')},
        {QStringLiteral("Longitude"),
         Degrees(birth.longitudeDegrees, birth.longitudeMinutes, birth.isEast ? 'E' : 'W')},
        {QStringLiteral("Time zone"), Q(ZoneUsedText(birth))},
    };
}

std::vector<QStringList> PositionRows(const ChartReading& reading) {
    std::vector<QStringList> rows = {
        {QStringLiteral("Body"), QStringLiteral("Sanskrit"), QStringLiteral("Position")}};
    for (int body = 0; body < kBodyCount; ++body)
        rows.push_back({Q(reading.planetName[body]), Q(reading.planetSanskritName[body]).trimmed(),
                        Q(reading.planetPositionText[body])});
    return rows;
}

std::vector<QStringList> VedicRows(const ChartReading& reading) {
    return {
        {QStringLiteral("Ayanamsa"), Q(reading.ayanamsaDisplay)},
        {QStringLiteral("Lagna / Asc"), Q(reading.lagnaRashiName)},
        {QStringLiteral("Rashi/Moon Sign"), Q(reading.rashi)},
        {QStringLiteral("Nakshatra"), Q(reading.nakshatra)},
        {QStringLiteral("Pada"), Q(reading.pada)},
        {QStringLiteral("Lord"), Q(reading.lord)},
    };
}

ChartDrawing Drawing(ChartStyle style, int ascendantSign, const std::array<std::string, 12>& boxes,
                     std::string_view title) {
    ChartDrawing drawing;
    drawing.style = style;
    drawing.signTexts = boxes;
    drawing.ascendantSign = ascendantSign;
    drawing.title.assign(title);
    return drawing;
}

// The birth chart and the Navamsa side by side, in the chosen style.
void PaintCharts(Sheet& sheet, const ReportReading& report) {
    const ChartReading& reading = report.reading;
    const DivisionalChart navamsa = ComputeDivisionalChart(PositionsOf(reading), Division::D9);
    const int lagna = SignIndex(reading.lagnaSign).value_or(0);
    const double gap = sheet.mm(10);
    const double side = std::min((sheet.width() - gap) / 2, sheet.mm(76));
    const double left = (sheet.width() - 2 * side - gap) / 2;
    sheet.need(side);
    PaintChart(sheet.painter(), QRectF(left, sheet.y(), side, side),
               Drawing(report.chartStyle, lagna, report.chartBoxes, kBirthChartTitle));
    PaintChart(sheet.painter(), QRectF(left + side + gap, sheet.y(), side, side),
               Drawing(report.chartStyle, navamsa.ascendantSign,
                       DivisionalBoxTexts(reading, navamsa), NameOf(Division::D9).title));
    sheet.setY(sheet.y() + side);
}

// A zone far from the longitude and a birth time near a change, in the
// results form's warning colour.
void Warnings(Sheet& sheet, const ReportReading& report) {
    std::vector<std::string> lines = FirmnessWarnings(report.firmness);
    if (const std::string farZone = FarZoneWarning(report.birth); !farZone.empty())
        lines.insert(lines.begin(), farZone);
    if (lines.empty()) return;
    sheet.skip(1.5);
    for (const std::string& line : lines)
        sheet.text(Q(line), ReportFont(kBodyPoints, true), kWarningColour);
}

// The status as matching uses it, what it rests on, and its notes.
void ManglikSection(Sheet& sheet, const ChartReading& reading) {
    const std::optional<ManglikAssessment> assessment = AssessManglik(reading);
    if (!assessment) return;
    sheet.section(QStringLiteral("Manglik Status"));
    sheet.text(Q(ManglikStatusLine(*assessment)), ReportFont(kSectionPoints, true), kResultColour);
    sheet.skip(1);
    for (const std::string& reason : ManglikReasons(*assessment))
        sheet.text(Q(reason), ReportFont(kBodyPoints));
    for (const std::string& note : ManglikNotes(*assessment)) {
        sheet.skip(1);
        sheet.text(Q(note), ReportFont(kBodyPoints - 1, false), kMoonColour);
    }
}

void KujaLines(Sheet& sheet, const QString& title, const QColor& colour,
               const KujaDoshaLines& lines) {
    const QFont bold = ReportFont(kBodyPoints, true);
    sheet.text(title, bold, colour);
    for (const std::string* line : {&lines.position, &lines.percentage, &lines.verdict})
        sheet.text(Q(*line), bold, kResultColour, sheet.mm(4));
    sheet.skip(1.5);
}

void ClassicalSection(Sheet& sheet, const ChartReading& reading) {
    const std::optional<ClassicalKujaDosha> analysis = AnalyseClassicalKujaDosha(reading);
    if (!analysis) return;
    std::vector<QStringList> rows = {{}};
    for (std::string_view title : kClassicalColumnTitles) rows[0].append(Q(title));
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const ClassicalRowText row = ClassicalRow(*analysis, static_cast<KujaReference>(reference));
        rows.push_back({Q(row.from), Q(row.house), Q(row.doshaHouse), Q(row.verdict)});
    }
    sheet.table(rows, {0.0, 0.27, 0.43, 0.58}, true);
    const QFont regular = ReportFont(kBodyPoints);
    for (Cancellation rule : CancellationsThatHold(*analysis)) {
        const CancellationText& words = CancellationTexts[static_cast<std::size_t>(rule)];
        sheet.skip(1);
        sheet.text(Q(words.name) + QStringLiteral(": ") + Q(words.explanation), regular);
    }
    sheet.skip(1.5);
    sheet.text(Q(kClassicalRuleNote), ReportFont(kBodyPoints - 1, false), Qt::darkGray);
}

// The periods of one level as table rows under the column titles.
std::vector<QStringList> DashaRows(const dasha::Vimshottari& cycle, const dasha::DashaToday& today,
                                   int level, int first) {
    std::vector<QStringList> rows = {{}};
    for (std::string_view title : dasha::kDashaColumnTitles) rows[0].append(Q(title));
    for (int index = first; index < first + dasha::kLordCount; ++index) {
        const dasha::DashaRowText row = dasha::DashaRow(cycle, today, level, index);
        rows.push_back({Q(row.lords), Q(row.start), Q(row.end), Q(row.age), Q(row.marks)});
    }
    return rows;
}

void DashaSection(Sheet& sheet, const ReportReading& report) {
    auto cycle = std::make_unique<dasha::Vimshottari>();
    dasha::ComputeVimshottari(dasha::DashaBirthOf(report.birth, report.reading), *cycle);
    const dasha::DashaToday today =
        dasha::TodayOf(*cycle, report.today.value_or(dasha::LocalDateToday()));
    const dasha::DashaHeadText head =
        dasha::DashaHead(*cycle, today, report.positions, report.reading.builtInEphemeris);
    const QFont regular = ReportFont(kBodyPoints);
    const QFont bold = ReportFont(kBodyPoints, true);
    const std::vector<double> columns = {0.0, 0.22, 0.35, 0.48, 0.63};

    sheet.newPage();
    sheet.section(Q(dasha::kDashaTitle));
    sheet.text(Q(head.nakshatra), regular);
    sheet.text(Q(head.balance), regular);
    sheet.text(Q(head.today), bold);
    sheet.text(Q(head.kuja), regular, kLagnaColour);
    sheet.skip(2);
    sheet.table(DashaRows(*cycle, today, 0, 0), columns, true);

    auto antardashas = [&](const QString& whose, int mahadasha) {
        const dasha::Period& period = cycle->mahadashas[static_cast<std::size_t>(mahadasha)];
        sheet.skip(3);
        sheet.text(
            QStringLiteral("Antardashas of %1, %2 to %3")
                .arg(whose, Q(dasha::DateText(period.start)), Q(dasha::DateText(period.end))),
            bold, kSectionColour);
        sheet.skip(1);
        sheet.table(DashaRows(*cycle, today, 1, mahadasha * dasha::kLordCount), columns, true);
    };
    if (const int running = today.running.index[0]; running != dasha::kNoPeriod) {
        const Body lord = cycle->mahadashas[static_cast<std::size_t>(running)].lord;
        antardashas(QStringLiteral("the running mahadasha, ") + Q(dasha::LordName(lord)), running);
    }
    if (const std::optional<int> mars = dasha::NextMarsMahadasha(*cycle, today))
        antardashas(QStringLiteral("the Mars mahadasha to come"), *mars);

    sheet.skip(3);
    const QFont small = ReportFont(kBodyPoints - 1, false);
    sheet.text(Q(head.clock + ". " + head.positions + ". " + head.accuracy + "."), small,
               Qt::darkGray);
    sheet.skip(1);
    sheet.text(Q(dasha::kKujaPeriodsNote), small, Qt::darkGray);
}

}  // namespace

QString ReportFileName(const BirthDetails& birth) {
    QString name = Q(birth.name).simplified();
    // Characters no file system takes in a name.
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")));
    if (name.isEmpty()) name = QStringLiteral("Reading");
    return name + QStringLiteral(".pdf");
}

QByteArray ReadingReportPdf(const ReportReading& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        const QString name = Q(report.birth.name);
        SetUpA4(writer, QStringLiteral("Kuja Dosha Reading: ") + name);
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        Sheet sheet(writer, painter);

        sheet.text(Q(kProgramTitle) + QStringLiteral(" \u2014 Kuja Dosha Reading"),
                   ReportFont(kHeadingPoints, true), kSectionColour);
        sheet.text(name, ReportFont(kSectionPoints, true));
        sheet.text(Q(PositionsModeMarker(report.positions, report.reading.builtInEphemeris)),
                   ReportFont(kBodyPoints));

        sheet.section(QStringLiteral("Personal Details"));
        sheet.table(PersonalRows(report.birth), {0.0, 0.2}, false);
        Warnings(sheet, report);

        ManglikSection(sheet, report.reading);

        sheet.section(QStringLiteral("Vedic Planetary Position and Other Vedic Details"));
        // The positions on the left, the other details beside them.
        const double top = sheet.y();
        const double half = sheet.width() * 0.55;
        sheet.table(PositionRows(report.reading), {0.0, 0.3, 0.62}, true, 0.0, half);
        const double positionsEnd = sheet.y();
        sheet.setY(top);
        sheet.table(VedicRows(report.reading), {0.0, 0.45}, false, half + sheet.mm(4),
                    sheet.width() - half - sheet.mm(4));
        sheet.setY(std::max(positionsEnd, sheet.y()));

        sheet.section(QStringLiteral("Charts"));
        PaintCharts(sheet, report);

        sheet.section(QStringLiteral("Kuja Dosha Interpretation"));
        sheet.text(Q(kPercentageVerdictCaption), ReportFont(kBodyPoints, true));
        sheet.skip(1);
        KujaLines(sheet, QStringLiteral("Ascendant (Lagna)"), kLagnaColour, report.fromLagna);
        KujaLines(sheet, QStringLiteral("Moon Sign (Rashi)"), kMoonColour, report.fromMoon);
        sheet.text(Q(kPercentageVerdictNote), ReportFont(kBodyPoints - 1, false), Qt::darkGray);

        sheet.section(Q(kClassicalDetailsTitle));
        ClassicalSection(sheet, report.reading);

        DashaSection(sheet, report);

        if (!painter.end()) return {};
    }
    buffer.close();
    return bytes;
}

}  // namespace orbalis
