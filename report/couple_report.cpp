#include "report/couple_report.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "charts/divisions.h"
#include "dosha/manglik_status.h"
#include "model/reference_tables.h"
#include "painting/chart_painter.h"
#include "painting/page.h"
#include "reading/reading.h"
#include "report/report_sheet.h"

namespace orbalis {

namespace {

const QColor kFailColour(192, 0, 0);

std::string Names(const MatchSheet& sheet, const Catalogue& words) {
    return Fill(Tr(words, "{groom} and {bride}"),
                {{"groom", sheet.people[0].name}, {"bride", sheet.people[1].name}});
}

// Each person in a column: the particulars, the Moon and the status, then
// both birth charts side by side.
void People(ReportSheet& sheet, const CoupleReport& report, const Catalogue& words) {
    const double gap = sheet.mm(6);
    const double column = (sheet.width() - gap) / 2;
    const double top = sheet.y();
    double bottom = top;
    const std::string_view roles[] = {Tr(words, "Groom"), Tr(words, "Bride")};
    for (std::size_t i = 0; i < 2; ++i) {
        const MatchSheetPerson& person = report.sheet.people[i];
        const double left = i * (column + gap);
        sheet.setY(top);
        sheet.section(Q(roles[i]), left, column);
        sheet.table(BirthRows(report.people[i].birth, words), {0.0, 0.32}, false, left, column);
        sheet.skip(1);
        sheet.text(Q(person.moonLine), ReportFont(kBodyPoints, true), Qt::black, left, column);
        sheet.skip(1);
        sheet.text(Q(person.statusLine), ReportFont(kBodyPoints, true), kResultColour, left,
                   column);
        bottom = std::max(bottom, sheet.y());
    }
    sheet.setY(bottom + sheet.mm(4));
    sheet.need(column);
    for (std::size_t i = 0; i < 2; ++i) {
        const ChartReading& reading = report.people[i].reading;
        ChartDrawing drawing;
        drawing.style = report.chartStyle;
        drawing.signTexts = ChartBoxesIn(ChartBoxTexts(reading), words);
        drawing.ascendantSign = SignIndex(reading.lagnaSign).value_or(0);
        drawing.title = std::string(Tr(words, kBirthChartTitle));
        drawing.pointSize = kChartPoints;
        sheet.chart(drawing, i * (column + gap), column);
    }
    sheet.setY(sheet.y() + column);
}

void Ashtakoota(ReportSheet& sheet, const MatchSheet& match, const Catalogue& words) {
    sheet.section(Q(Tr(words, kAshtakootaHeading)));
    std::vector<QStringList> rows = {{}};
    for (std::string_view title : kKootaColumnTitles) rows[0].append(Q(Tr(words, title)));
    for (const MatchSheetKoota& koota : match.kootas)
        rows.push_back({Q(Tr(words, koota.koota)), Q(Tr(words, koota.groom)),
                        Q(Tr(words, koota.bride)), Q(koota.points)});
    sheet.table(rows, {0.0, 0.3, 0.55, 0.8}, true);
    sheet.skip(1);
    sheet.text(Q(match.total), ReportFont(kBodyPoints, true), kSectionColour);

    sheet.section(Q(Tr(words, kDoshasHeading)));
    for (const MatchSheetDosha& dosha : match.doshas) {
        sheet.text(Q(dosha.line), ReportFont(kBodyPoints, dosha.present),
                   dosha.present ? kFailColour : Qt::black);
        for (const std::string& exception : dosha.exceptions)
            sheet.text(Q(exception), ReportFont(kBodyPoints), Qt::black, sheet.mm(5));
    }
}

void Poruthams(ReportSheet& sheet, const MatchSheet& match, const Catalogue& words) {
    sheet.section(Q(Tr(words, kPoruthamsHeading)));
    std::vector<QStringList> rows = {{}};
    for (std::string_view title : kPoruthamColumnTitles) rows[0].append(Q(Tr(words, title)));
    for (const MatchSheetPorutham& porutham : match.poruthams)
        rows.push_back({Q(porutham.name), Q(Tr(words, porutham.result)), Q(porutham.reason)});
    sheet.table(rows, {0.0, 0.2, 0.31}, true);
    sheet.skip(1);
    sheet.text(Q(match.poruthamCount), ReportFont(kBodyPoints, true), kSectionColour);
}

void BalanceSection(ReportSheet& sheet, const MatchSheet& match, const Catalogue& words) {
    sheet.section(Q(Tr(words, kManglikBalanceHeading)));
    for (const MatchSheetPerson& person : match.people) {
        sheet.text(Q(person.marsLine), ReportFont(kBodyPoints, true));
        sheet.skip(0.5);
        sheet.table(ClassicalRows(person.analysis, words), {0.0, 0.22, 0.4, 0.56}, true);
        sheet.text(Q(person.statusLine), ReportFont(kBodyPoints, true), kResultColour);
        sheet.skip(2);
    }
    sheet.text(Q(match.manglikConclusion), ReportFont(kSectionPoints, true), kSectionColour);
    sheet.text(Q(match.manglikNote), ReportFont(kBodyPoints));
    sheet.text(Q(match.manglikReason), ReportFont(kBodyPoints));
    if (!match.remedies) return;
    sheet.skip(2);
    sheet.text(Q(Tr(words, kRemediesHeading)), ReportFont(kBodyPoints, true));
    sheet.text(Q(Tr(words, kRemediesSentence)), ReportFont(kBodyPoints));
    for (const Remedy& remedy : kTraditionalRemedies)
        sheet.text(
            Q(Tr(words, remedy.name)) + QStringLiteral(": ") + Q(Tr(words, remedy.description)),
            ReportFont(kBodyPoints), Qt::black, sheet.mm(4));
}

}  // namespace

bool PaintCoupleReport(QPagedPaintDevice& device, const CoupleReport& report,
                       const Catalogue& words) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    ReportSheet sheet(device, painter);
    const MatchSheet& match = report.sheet;

    sheet.text(Q(Tr(words, kMatchTitle)), ReportFont(kHeadingPoints, true), kSectionColour);
    sheet.text(Q(Names(match, words)), ReportFont(kSectionPoints, true));
    if (!match.sameBirth.empty())
        sheet.text(Q(Tr(words, match.sameBirth)), ReportFont(kBodyPoints, true), kFailColour);
    People(sheet, report, words);
    Ashtakoota(sheet, match, words);
    Poruthams(sheet, match, words);
    BalanceSection(sheet, match, words);
    sheet.section(Q(Tr(words, kConclusionHeading)));
    sheet.text(Q(match.conclusion), ReportFont(kBodyPoints));
    return painter.end();
}

QByteArray CoupleReportPdf(const CoupleReport& report, const Catalogue& words) {
    const QString title =
        Q(Fill(Tr(words, "Marriage match: {names}"), {{"names", Names(report.sheet, words)}}));
    return PaintedPdf(
        title, [&](QPagedPaintDevice& device) { return PaintCoupleReport(device, report, words); });
}

QString CoupleReportFileName(const MatchSheet& sheet, const Catalogue& words) {
    return PdfFileName(Q(Fill(Tr(words, "{groom} and {bride} - match"),
                              {{"groom", sheet.people[0].name}, {"bride", sheet.people[1].name}})),
                       Q(Tr(words, kMatchTitle)));
}

}  // namespace orbalis
