#include "report/reading_report.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_status.h"
#include "pdf_tools.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

ReportReading DelhiReport(ChartStyle style) {
    ReportReading report;
    report.birth = testing::DelhiBirth1985();
    report.birth.name = "Asha Verma";
    report.birth.city = "Delhi";
    report.birth.country = "India";
    report.reading = testing::DelhiReading1985();
    const ReadingDisplay display = testing::DelhiDisplay1985();
    report.chartBoxes = display.chartBoxes;
    report.fromLagna = display.fromLagna;
    report.fromMoon = display.fromMoon;
    report.chartStyle = style;
    report.today = dasha::DashaDate{2025, 6, 1};
    return report;
}

// pdftotext's layout keeps each line's words but not their spacing.
std::string Squeezed(std::string text) {
    std::string out;
    for (char c : text)
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
    return out;
}

TEST(ReadingReportPdf, EveryStyleHoldsTheReadingAsSearchableTextWithEmbeddedFonts) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto analysis = AnalyseClassicalKujaDosha(testing::DelhiReading1985());
    ASSERT_TRUE(analysis);
    struct Case {
        const char* name;
        ChartStyle style;
    };
    const Case cases[] = {
        {"south", ChartStyle::South}, {"north", ChartStyle::North}, {"east", ChartStyle::East}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray pdf = ReadingReportPdf(DelhiReport(c.style));
        ASSERT_TRUE(pdf.startsWith("%PDF"));
        const QString path =
            testing::WriteTemporaryPdf(pdf, folder.path(), QString::fromLatin1(c.name) + ".pdf");
        const std::string words = Squeezed(testing::PdfText(path));
        std::vector<std::string> expected = {
            "Asha Verma", "Kanya", "Navamsa (D9)", "Rasi", "Pushya", "28 Vir 57", "UTC+05:30",
            "28\u00b0 39' N", "77\u00b0 13' E", "Positions: classic",
            "Position of Mars from Lagna is 11", "Position of Mars from Chandra is 1", "Ketu",
            // The dasha, on a page of its own after the first.
            "\fVimshottari Dasha", "Running today, 2025-06-01: Venus/Jupiter/Saturn",
            "Antardashas of the running mahadasha, Venus, 2014-08-31 to 2034-08-31",
            "Venus/Jupiter 2024-10-30 2027-07-01 39y 2m running today",
            "Antardashas of the Mars mahadasha to come, 2050-08-31 to 2057-08-30",
            "Mars/Moon 2057-01-29 2057-08-30 71y 5m Kuja period"};
        for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
            const ClassicalRowText row =
                ClassicalRow(*analysis, static_cast<KujaReference>(reference));
            expected.push_back(row.from);
            expected.push_back(row.house);
        }
        for (const std::string& text : expected)
            EXPECT_NE(words.find(text), std::string::npos) << "missing: " << text;
        EXPECT_TRUE(testing::EveryFontEmbedded(testing::PdfFonts(path))) << testing::PdfFonts(path);
    }
}

// The first page: the zone and offset used, daylight saving included, the
// warnings, and the Manglik status with its reasons, above the percentage.
TEST(ReadingReportPdf, FirstPageHoldsTheZoneTheWarningsAndTheStatus) {
    QTemporaryDir folder;
    FormEntries farZone = testing::DelhiEntries();
    farZone.zoneIndex = 0;
    const std::pair<FormEntries, std::vector<std::string>> cases[] = {
        {testing::LondonEntries1988(),
         {"Time zone UTC+01:00 (Greenwich Mean Time,GMT,0.0, with daylight saving)",
          "Manglik status: Manglik, cancelled \u2014 Mars in Aquarius.",
          "From the Moon: Mars in the 2nd, a dosha house; the dosha is cancelled by Mars in "
          "Aquarius."}},
        {testing::DelhiEntries(), {"The Lagna changes at 10:35, 5 minutes after the given birth"}},
        {farZone, {"The time zone UTC\u221209:00 is far from 77\u00b0 12\u2032 E"}},
    };
    for (const auto& [entries, expected] : cases) {
        ReportReading report;
        report.birth = BirthDetailsFromForm(entries);
        const ReadingDisplay display = ComputeReading(report.birth, report.reading);
        report.fromLagna = display.fromLagna;
        report.fromMoon = display.fromMoon;
        report.firmness = display.firmness;
        const std::string text = Squeezed(testing::PdfText(testing::WriteTemporaryPdf(
            ReadingReportPdf(report), folder.path(), QStringLiteral("first.pdf"))));
        for (const std::string& line : expected)
            EXPECT_LT(text.find(line), text.find('\f')) << "not on the first page: " << line;
        EXPECT_LT(text.find("Manglik status:"), text.find(kPercentageVerdictCaption));
        EXPECT_LT(text.find("Percentage of Kuja dosha"), text.find("the Manglik status above"));
    }
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
