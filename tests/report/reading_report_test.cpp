#include "report/reading_report.h"

#include <gtest/gtest.h>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>

#include "dosha/classical_block.h"
#include "dosha/manglik_status.h"
#include "painting/searchable_text.h"
#include "pdf_tools.h"
#include "reading/languages.h"
#include "reading/reading.h"
#include "report/report_sheet.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

ReportReading ReportOf(const BirthDetails& birth, ChartStyle style = ChartStyle::South) {
    ReportReading report;
    report.birth = birth;
    const ReadingDisplay display = ComputeReading(report.birth, report.reading);
    report.chartBoxes = display.chartBoxes;
    report.firmness = display.firmness;
    report.chartStyle = style;
    report.today = dasha::DashaDate{2025, 6, 1};
    return report;
}

ReportReading DelhiReport(ChartStyle style = ChartStyle::South) {
    BirthDetails birth = testing::DelhiBirth1985();
    birth.name = "Asha Verma";
    return ReportOf(birth, style);
}

std::string Words(const QByteArray& pdf, const QString& name = QStringLiteral("r.pdf")) {
    QTemporaryDir folder;
    return testing::PdfWords(testing::WriteTemporaryPdf(pdf, folder.path(), name));
}

TEST(ReadingReportPdf, EveryStyleHoldsTheReadingAsSearchableTextWithEmbeddedFonts) {
    QTemporaryDir folder;
    const ChartStyle styles[] = {ChartStyle::South, ChartStyle::North, ChartStyle::East};
    for (ChartStyle style : styles) {
        SCOPED_TRACE(static_cast<int>(style));
        const QString path = testing::WriteTemporaryPdf(ReadingReportPdf(DelhiReport(style)),
                                                        folder.path(), QStringLiteral("s.pdf"));
        const std::string words = testing::PdfWords(path);
        for (const char* text :
             {"Asha Verma", "Kanya", "Navamsa (D9)", "Rasi", "28 Vir 57", "28° 39' N", "77° 13' E",
              "Positions: classic", "Lagna in Virgo 11th house no no dosha",
              // The dasha, on a page of its own after the first two.
              "\fVimshottari Dasha", "Running today, 2025-06-01: Venus/Jupiter/Saturn",
              "Antardashas of the running mahadasha, Venus, 2014-08-31 to 2034-08-31",
              "Venus/Jupiter 2024-10-30 2027-07-01 39y 2m running today",
              "Antardashas of the Mars mahadasha to come, 2050-08-31 to 2057-08-30",
              "Mars/Moon 2057-01-29 2057-08-30 71y 5m Kuja period"})
            EXPECT_NE(words.find(text), std::string::npos) << "missing: " << text;
        EXPECT_TRUE(testing::EveryFontEmbedded(testing::PdfFonts(path))) << testing::PdfFonts(path);
    }
}

// The first page answers the question: who, when and where with the zone and
// offset used, the warnings, the Moon's own pada, the status with its
// reasons, the chart and the positions.
TEST(ReadingReportPdf, FirstPageAnswersTheQuestion) {
    FormEntries farZone = testing::DelhiEntries();
    farZone.zoneIndex = 0;
    const std::pair<FormEntries, std::vector<std::string>> cases[] = {
        {testing::LondonEntries1988(),
         {"Time zone UTC+01:00", "clock time UTC+01:00",
          "Manglik status: Manglik, cancelled — Mars in Aquarius.",
          "From the Moon: Mars in the 2nd, a dosha house; the dosha is cancelled by Mars in "
          "Aquarius."}},
        {testing::DelhiEntries(),
         {"Time of birth 10:30, clock time UTC+05:30",
          "The Lagna changes at 10:35, 5 minutes after the given birth",
          "The Moon in Pushya, its own pada 3", "Rasi", "Body Sanskrit Position"}},
        {farZone, {"The time zone UTC−09:00 is far from 77° 12′ E"}},
    };
    for (const auto& [entries, expected] : cases) {
        const std::string words = Words(ReadingReportPdf(ReportOf(BirthDetailsFromForm(entries))));
        for (const std::string& line : expected)
            EXPECT_LT(words.find(line), words.find('\f')) << "not on the first page: " << line;
    }
}

// Every line of the results form's Kuja Dosha Interpretation frame, from the
// composers the form shows them with.
TEST(ReadingReportPdf, HoldsEveryLineOfTheInterpretationFrame) {
    const ReportReading report = DelhiReport();
    const auto analysis = AnalyseClassicalKujaDosha(report.reading);
    ASSERT_TRUE(analysis);
    const ClassicalBlock block = ClassicalBlockOf(*analysis);
    std::vector<std::string> lines = {
        ManglikStatusLine(AssessManglik(*analysis)),
        std::string(kPercentageVerdictCaption),
        "Ascendant (Lagna)",
        "Moon Sign (Rashi)",
        std::string(kPercentageVerdictNote),
        "P.S. Please consult an astrologer for further detailed consultations for solving of "
        "Kuja Dosha.",
        std::string(kClassicalBlockTitle),
        block.closing,
        FirmnessFormWarnings(report.firmness).at(0)};
    ChartReading chart;
    const ReadingDisplay display = ComputeReading(report.birth, chart);
    for (const KujaDoshaLines* run : {&display.fromLagna, &display.fromMoon})
        lines.insert(lines.end(), {run->position, run->percentage, run->verdict});
    for (const ClassicalBlockLine& line : block.lines)
        lines.push_back(std::string(line.reference) + ": " + line.text);
    const std::string words = Words(ReadingReportPdf(report));
    for (const std::string& line : lines)
        EXPECT_NE(words.find(line), std::string::npos) << "missing: " << line;
}

// In Hindi and Tamil the report's texts are in the language, set in its
// script's face, embedded, and read back whole: the status line and its
// reasons as the core words them, conjuncts and vowel signs in their places.
TEST(ReadingReportPdf, SpeaksTheLanguageAskedAndReadsBackWhole) {
    struct Case {
        const char* code;
        const char* face;  // in pdffonts' list
    };
    const Case cases[] = {{"en", "DejaVuSans"}, {"hi", "Lohit-Devanagari"}, {"ta", "Lohit-Tamil"}};
    QTemporaryDir folder;
    const ReportReading report = DelhiReport();
    const ManglikAssessment assessment = *AssessManglik(report.reading);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const Catalogue words = CatalogueFor(c.code);
        const QString path =
            testing::WriteTemporaryPdf(ReadingReportPdf(report, words), folder.path(), "l.pdf");
        EXPECT_NE(testing::PdfFonts(path).find(c.face), std::string::npos);
        EXPECT_TRUE(testing::EveryFontEmbedded(testing::PdfFonts(path)));
        const std::string text = testing::PdfWords(path);
        std::vector<std::string> lines = ManglikReasons(assessment, words);
        lines.push_back(ManglikStatusLine(assessment, words));
        lines.emplace_back(Tr(words, "Nakshatra"));
        for (const std::string& line : lines)
            EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line;
    }
}

// The rewriting leaves alone what it cannot read or need not touch.
TEST(WithActualText, KeepsAPdfWithoutMarksAndRefusesAnotherLayout) {
    const QByteArray plain = PaintedPdf(QStringLiteral("t"), [](QPagedPaintDevice& device) {
        QPainter painter(&device);
        painter.drawText(QPointF(100, 100), QStringLiteral("plain"));
        return true;
    });
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(WithActualText(plain), plain);
    EXPECT_TRUE(WithActualText(QByteArray("%PDF-1.4\nnot a file the writer made")).isEmpty());
}

TEST(ReadingReportPdf, FileNameFromThePersonsName) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"Asha Verma", "Asha Verma.pdf"}, {"  A/B: C?  ", "AB C.pdf"}, {"", "Reading.pdf"}};
    for (const Case& c : cases) {
        BirthDetails birth;
        birth.name = c.name;
        EXPECT_EQ(ReportFileName(birth).toStdString(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace orbalis
