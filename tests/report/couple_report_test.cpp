#include "report/couple_report.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <algorithm>

#include "charts/divisions.h"
#include "pdf_tools.h"
#include "reading/couple_match.h"
#include "reading/languages.h"
#include "reading/reading.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

CoupleReport RaviAndPriya(const Catalogue& words = English()) {
    CoupleReport report;
    const FormEntries entries[] = {testing::DelhiEntries(), testing::MumbaiEntries1987()};
    const char* names[] = {"Ravi Kumar", "Priya"};
    for (std::size_t i = 0; i < 2; ++i) {
        report.people[i].birth = BirthDetailsFromForm(entries[i]);
        report.people[i].birth.name = names[i];
        ComputeReading(report.people[i].birth, report.people[i].reading);
    }
    const auto match = MatchCouple(names[0], report.people[0].reading, names[1],
                                   report.people[1].reading, matching::VashyaPoints::Symmetric);
    report.sheet = ComposeMatchSheet(*match, words);
    return report;
}

// Every sentence of the match sheet, both people's particulars and charts,
// read back whole in each language.
TEST(CoupleReportPdf, HoldsBothPeopleAndTheWholeMatchSheet) {
    QTemporaryDir folder;
    for (const char* code : {"en", "hi", "ta"}) {
        SCOPED_TRACE(code);
        const Catalogue words = CatalogueFor(code);
        const CoupleReport report = RaviAndPriya(words);
        const MatchSheet& sheet = report.sheet;
        std::vector<std::string> lines = {std::string(Tr(words, "Groom")),
                                          std::string(Tr(words, "Bride")),
                                          sheet.total,
                                          sheet.poruthamCount,
                                          sheet.manglikConclusion,
                                          sheet.manglikReason,
                                          sheet.conclusion};
        if (words.isEnglish())
            lines.insert(lines.end(),
                         {"Ravi Kumar and Priya", "Time zone UTC+05:30 (Indian Time, IST, +5.3)",
                          "Koota Groom Bride Points"});
        for (const MatchSheetPerson& person : sheet.people)
            lines.insert(lines.end(), {person.moonLine, person.marsLine, person.statusLine});
        for (const MatchSheetKoota& koota : sheet.kootas)
            lines.push_back(std::string(koota.koota) + " " + std::string(koota.groom));
        for (const MatchSheetDosha& dosha : sheet.doshas) lines.push_back(dosha.line);
        for (const MatchSheetPorutham& porutham : sheet.poruthams)
            lines.push_back(porutham.name + " " + std::string(porutham.result));

        const QString path = testing::WriteTemporaryPdf(CoupleReportPdf(report, words),
                                                        folder.path(), QStringLiteral("c.pdf"));
        const std::string text = testing::PdfWords(path);
        for (std::string line : lines) {
            std::replace(line.begin(), line.end(), '\n', ' ');
            EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line;
        }
        const std::string chart(Tr(words, kBirthChartTitle));
        EXPECT_NE(text.find(chart), text.rfind(chart)) << "two charts";
        EXPECT_TRUE(testing::EveryFontEmbedded(testing::PdfFonts(path)));
    }
}

TEST(CoupleReportPdf, FileNameCarriesBothNames) {
    struct Case {
        const char* groom;
        const char* bride;
        const char* expected;
    };
    const Case cases[] = {{"Ravi Kumar", "Priya", "Ravi Kumar and Priya - match.pdf"},
                          {"A/B", "C:D", "AB and CD - match.pdf"}};
    for (const Case& c : cases) {
        MatchSheet sheet;
        sheet.people[0].name = c.groom;
        sheet.people[1].name = c.bride;
        EXPECT_EQ(CoupleReportFileName(sheet).toStdString(), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
