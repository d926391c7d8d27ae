#include "report/reading_report.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "charts/divisional_boxes.h"
#include "charts/divisional_chart.h"
#include "charts/divisions.h"
#include "dasha/dasha_birth.h"
#include "dasha/dasha_sheet.h"
#include "dosha/classical_block.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_status.h"
#include "model/moon_pada.h"
#include "model/program_identity.h"
#include "painting/chart_painter.h"
#include "painting/page.h"
#include "reading/far_zone.h"
#include "reading/reading.h"
#include "report/report_sheet.h"

namespace orbalis {

namespace {

std::vector<QStringList> PositionRows(const ChartReading& reading, const Catalogue& words) {
    std::vector<QStringList> rows = {
        {Q(Tr(words, "Body")), Q(Tr(words, "Sanskrit")), Q(Tr(words, "Position"))}};
    for (int body = 0; body < kBodyCount; ++body)
        rows.push_back({Q(Tr(words, reading.planetName[body])),
                        Q(reading.planetSanskritName[body]).trimmed(),
                        Q(reading.planetPositionText[body])});
    return rows;
}

std::vector<QStringList> VedicRows(const ChartReading& reading, const Catalogue& words) {
    const std::string moonPada = std::to_string(MoonPada(reading.siderealDegrees[kMoon]));
    return {
        {Q(Tr(words, "Ayanamsa")), Q(reading.ayanamsaDisplay)},
        {Q(Tr(words, "Lagna / Asc")), Q(Tr(words, reading.lagnaRashiName))},
        {Q(Tr(words, "Rashi/Moon Sign")), Q(Tr(words, reading.rashi))},
        {Q(Tr(words, "Nakshatra")), Q(Tr(words, reading.nakshatra))},
        {Q(Tr(words, "Pada")), Q(reading.pada)},
        {Q(Tr(words, "Lord")), Q(Tr(words, reading.lord))},
        {Q(Tr(words, "The Moon")),
         Q(Fill(Tr(words, "in {nakshatra}, its own pada {pada}"),
                {{"nakshatra", Tr(words, reading.nakshatra)}, {"pada", moonPada}}))},
    };
}

ChartDrawing Drawing(ChartStyle style, int ascendantSign, const std::array<std::string, 12>& boxes,
                     std::string_view title) {
    ChartDrawing drawing;
    drawing.style = style;
    drawing.signTexts = boxes;
    drawing.ascendantSign = ascendantSign;
    drawing.title.assign(title);
    drawing.pointSize = kChartPoints;
    return drawing;
}

// Who, when and where beside the Vedic details, then the warnings: a zone
// far from the longitude and what changes near the birth time.
void Particulars(ReportSheet& sheet, const ReportReading& report, const Catalogue& words) {
    sheet.section(Q(Tr(words, "Birth Details")));
    const double top = sheet.y();
    const double split = sheet.width() * 0.56;
    sheet.table(BirthRows(report.birth, words), {0.0, 0.3}, false, 0.0, split - sheet.mm(3));
    const double left = sheet.y();
    sheet.setY(top);
    sheet.table(VedicRows(report.reading, words), {0.0, 0.4}, false, split, sheet.width() - split);
    sheet.setY(std::max(left, sheet.y()));

    const QFont bold = ReportFont(kBodyPoints, true);
    sheet.skip(1.5);
    if (const std::string farZone = FarZoneWarning(report.birth, words); !farZone.empty())
        sheet.text(Q(farZone), bold, kWarningColour);
    if (!report.firmness.givenMinute) return;
    const std::vector<std::string> lines = FirmnessWarnings(report.firmness, words);
    for (const std::string& line : lines) sheet.text(Q(line), bold, kWarningColour);
    if (lines.empty())
        sheet.text(Q(Fill(Tr(words,
                             "Birth time: no answer of this reading changes within {minutes} "
                             "minutes of the given time."),
                          {{"minutes", std::to_string(kFirmnessWarningMinutes)}})),
                   ReportFont(kBodyPoints), kMoonColour);
}

// The status as matching uses it, what it rests on, and its notes.
void ManglikSection(ReportSheet& sheet, const ChartReading& reading, const Catalogue& words) {
    const std::optional<ManglikAssessment> assessment = AssessManglik(reading);
    if (!assessment) return;
    sheet.section(Q(Tr(words, "Manglik Status")));
    sheet.text(Q(ManglikStatusLine(*assessment, words)), ReportFont(kSectionPoints, true),
               kResultColour);
    sheet.skip(1);
    for (const std::string& reason : ManglikReasons(*assessment, words))
        sheet.text(Q(reason), ReportFont(kBodyPoints));
    for (const std::string& note : ManglikNotes(*assessment, words)) {
        sheet.skip(1);
        sheet.text(Q(note), ReportFont(kBodyPoints - 1), kMoonColour);
    }
}

// The birth chart, and every position beside it.
void ChartAndPositions(ReportSheet& sheet, const ReportReading& report, const Catalogue& words) {
    const ChartReading& reading = report.reading;
    sheet.section(Q(Tr(words, "Birth Chart and Planetary Positions")));
    const double side = sheet.mm(kChartMillimetres);
    sheet.need(side);
    const double top = sheet.y();
    sheet.chart(Drawing(report.chartStyle, SignIndex(reading.lagnaSign).value_or(0),
                        ChartBoxesIn(report.chartBoxes, words), Tr(words, kBirthChartTitle)),
                0.0, side);
    const double right = side + sheet.mm(6);
    sheet.table(PositionRows(reading, words), {0.0, 0.28, 0.58}, true, right,
                sheet.width() - right);
    sheet.setY(std::max(top + side, sheet.y()));
}

// Every line of the results form's Kuja Dosha Interpretation frame but the
// status and the birth-time lines, which the first page holds.
void Interpretation(ReportSheet& sheet, const ReportReading& report, const Catalogue& words) {
    sheet.section(Q(Tr(words, "Kuja Dosha Interpretation")));
    const QFont bold = ReportFont(kBodyPoints, true);
    const QFont small = ReportFont(kBodyPoints - 1);
    sheet.text(Q(Tr(words, kPercentageVerdictCaption)), bold);
    sheet.skip(1);
    auto lines = [&](std::string_view title, const QColor& colour, const KujaDoshaLines& run) {
        sheet.text(Q(title), bold, colour);
        for (const std::string* line : {&run.position, &run.percentage, &run.verdict})
            sheet.text(Q(*line), bold, kResultColour, sheet.mm(4));
        sheet.skip(1.5);
    };
    const ChartReading& reading = report.reading;
    lines(Tr(words, "Ascendant (Lagna)"), kLagnaColour,
          DetermineKujaDosha(reading, reading.planetPositionText[kAscendant], "Mars", true, words));
    lines(Tr(words, "Moon Sign (Rashi)"), kMoonColour,
          DetermineKujaDosha(reading, reading.planetPositionText[kMoon], "Moon", false, words));
    sheet.text(Q(Tr(words, kPercentageVerdictNote)), small, Qt::darkGray);
    sheet.skip(1);
    sheet.text(Q(Tr(words, kConsultNote)), bold, kMoonColour);

    const std::optional<ClassicalKujaDosha> analysis = AnalyseClassicalKujaDosha(report.reading);
    if (!analysis) return;
    const ClassicalBlock block = ClassicalBlockOf(*analysis, words);
    sheet.skip(2);
    sheet.text(Q(Tr(words, kClassicalBlockTitle)), bold, kLagnaColour);
    for (const ClassicalBlockLine& line : block.lines)
        if (!line.text.empty())
            sheet.text(Q(Tr(words, line.reference)) + QStringLiteral(": ") + Q(line.text),
                       ReportFont(kBodyPoints), Qt::black, sheet.mm(4));
    sheet.text(Q(block.closing), bold, kResultColour);
}

// The Navamsa beside the classical rows, the cancellations that hold and the
// rule's note.
void NavamsaAndClassical(ReportSheet& sheet, const ReportReading& report, const Catalogue& words) {
    const ChartReading& reading = report.reading;
    const DivisionalChart navamsa = ComputeDivisionalChart(PositionsOf(reading), Division::D9);
    const double side = sheet.mm(kChartMillimetres);
    sheet.section(Q(Tr(words, kClassicalDetailsTitle)));
    sheet.need(side);
    const double top = sheet.y();
    sheet.chart(Drawing(report.chartStyle, navamsa.ascendantSign,
                        ChartBoxesIn(DivisionalBoxTexts(reading, navamsa), words),
                        Tr(words, NameOf(Division::D9).title)),
                0.0, side);
    const double left = side + sheet.mm(6);
    const double width = sheet.width() - left;
    const std::optional<ClassicalKujaDosha> analysis = AnalyseClassicalKujaDosha(reading);
    if (analysis) {
        sheet.table(ClassicalRows(*analysis, words), {0.0, 0.22, 0.42, 0.62}, true, left, width);
        const QFont regular = ReportFont(kBodyPoints);
        for (Cancellation rule : CancellationsThatHold(*analysis)) {
            const CancellationText& text = CancellationTexts[static_cast<std::size_t>(rule)];
            sheet.skip(1);
            sheet.text(
                Q(Tr(words, text.name)) + QStringLiteral(": ") + Q(Tr(words, text.explanation)),
                regular, Qt::black, left, width);
        }
        sheet.skip(1);
        sheet.text(Q(ClassicalClosingText(*analysis, words)), ReportFont(kBodyPoints, true),
                   kResultColour, left, width);
        sheet.skip(1.5);
        sheet.text(Q(Tr(words, kClassicalRuleNote)), ReportFont(kBodyPoints - 1), Qt::darkGray,
                   left, width);
    }
    sheet.setY(std::max(top + side, sheet.y()));
}

// The periods of one level as table rows under the column titles.
std::vector<QStringList> DashaRows(const dasha::Vimshottari& cycle, const dasha::DashaToday& today,
                                   int level, int first, const Catalogue& words) {
    std::vector<QStringList> rows = {{}};
    for (std::string_view title : dasha::kDashaColumnTitles) rows[0].append(Q(Tr(words, title)));
    for (int index = first; index < first + dasha::kLordCount; ++index) {
        const dasha::DashaRowText row = dasha::DashaRow(cycle, today, level, index, words);
        rows.push_back({Q(row.lords), Q(row.start), Q(row.end), Q(row.age), Q(row.marks)});
    }
    return rows;
}

void DashaSection(ReportSheet& sheet, const ReportReading& report, const Catalogue& words) {
    auto cycle = std::make_unique<dasha::Vimshottari>();
    dasha::ComputeVimshottari(dasha::DashaBirthOf(report.birth, report.reading), *cycle);
    const dasha::DashaToday today =
        dasha::TodayOf(*cycle, report.today.value_or(dasha::LocalDateToday()));
    const dasha::DashaHeadText head =
        dasha::DashaHead(*cycle, today, report.positions, report.reading.builtInEphemeris, words);
    const QFont regular = ReportFont(kBodyPoints);
    const QFont bold = ReportFont(kBodyPoints, true);
    const std::vector<double> columns = {0.0, 0.22, 0.35, 0.48, 0.63};

    sheet.newPage();
    sheet.section(Q(Tr(words, dasha::kDashaTitle)));
    sheet.text(Q(head.nakshatra), regular);
    sheet.text(Q(head.balance), regular);
    sheet.text(Q(head.today), bold);
    sheet.text(Q(head.kuja), regular, kLagnaColour);
    sheet.skip(2);
    sheet.table(DashaRows(*cycle, today, 0, 0, words), columns, true);

    auto antardashas = [&](const std::string& whose, int mahadasha) {
        const dasha::Period& period = cycle->mahadashas[static_cast<std::size_t>(mahadasha)];
        sheet.skip(3);
        sheet.text(Q(Fill(Tr(words, "Antardashas of {whose}, {start} to {end}"),
                          {{"whose", whose},
                           {"start", dasha::DateText(period.start)},
                           {"end", dasha::DateText(period.end)}})),
                   bold, kSectionColour);
        sheet.skip(1);
        sheet.table(DashaRows(*cycle, today, 1, mahadasha * dasha::kLordCount, words), columns,
                    true);
    };
    if (const int running = today.running.index[0]; running != dasha::kNoPeriod) {
        const Body lord = cycle->mahadashas[static_cast<std::size_t>(running)].lord;
        antardashas(Fill(Tr(words, "the running mahadasha, {lord}"),
                         {{"lord", Tr(words, dasha::LordName(lord))}}),
                    running);
    }
    if (const std::optional<int> mars = dasha::NextMarsMahadasha(*cycle, today))
        antardashas(std::string(Tr(words, "the Mars mahadasha to come")), *mars);

    sheet.skip(3);
    const QFont small = ReportFont(kBodyPoints - 1);
    sheet.text(Q(head.clock + ". " + head.positions + ". " + head.accuracy + "."), small,
               Qt::darkGray);
    sheet.skip(1);
    sheet.text(Q(Tr(words, dasha::kKujaPeriodsNote)), small, Qt::darkGray);
}

}  // namespace

QString ReportFileName(const BirthDetails& birth) {
    return PdfFileName(Q(birth.name), QStringLiteral("Reading"));
}

bool PaintReadingReport(QPagedPaintDevice& device, const ReportReading& report,
                        const Catalogue& words) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    ReportSheet sheet(device, painter);

    sheet.text(Q(Fill(Tr(words, "{program} — Kuja Dosha Reading"), {{"program", kProgramTitle}})),
               ReportFont(kHeadingPoints, true), kSectionColour);
    sheet.text(Q(report.birth.name), ReportFont(kSectionPoints, true));
    sheet.text(Q(PositionsModeMarker(report.positions, report.reading.builtInEphemeris, words)),
               ReportFont(kBodyPoints));
    Particulars(sheet, report, words);
    ManglikSection(sheet, report.reading, words);
    ChartAndPositions(sheet, report, words);

    sheet.newPage();
    Interpretation(sheet, report, words);
    NavamsaAndClassical(sheet, report, words);
    DashaSection(sheet, report, words);
    return painter.end();
}

QByteArray ReadingReportPdf(const ReportReading& report, const Catalogue& words) {
    const QString title =
        Q(Fill(Tr(words, "Kuja Dosha Reading: {name}"), {{"name", report.birth.name}}));
    return PaintedPdf(title, [&](QPagedPaintDevice& device) {
        return PaintReadingReport(device, report, words);
    });
}

}  // namespace orbalis
