#include "reading/match_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/reference_tables.h"
#include "model/text_utils.h"
#include "reading/languages.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

using namespace matching;

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// Ravi Kumar (Delhi, 1985) the groom, Kiran Rao (Mumbai, 1987) the bride:
// every part of the sheet, checked by hand against the rule tables.
TEST(MatchSheet, TextOfAWholeMatch) {
    std::ifstream golden(std::filesystem::path(ORBALIS_TEST_DATA) / "ravi_with_kiran_match.txt",
                         std::ios::binary);
    std::stringstream expected;
    expected << golden.rdbuf();
    ChartReading ravi, kiran;
    ComputeChartReading(BirthDetailsFromForm(testing::DelhiEntries()), ravi);
    ComputeChartReading(BirthDetailsFromForm(testing::MumbaiEntries1987()), kiran);
    const auto match = MatchCouple("Ravi Kumar", ravi, "Kiran Rao", kiran, VashyaPoints::Symmetric);
    EXPECT_EQ(MatchSheetText(ComposeMatchSheet(match.value())), expected.str());
}

// In Hindi and Tamil the same match keeps its table columns where the
// English one has them, counted as a terminal shows the letters.
TEST(MatchSheet, TranslatedTablesLineUp) {
    ChartReading ravi, kiran;
    ComputeChartReading(BirthDetailsFromForm(testing::DelhiEntries()), ravi);
    ComputeChartReading(BirthDetailsFromForm(testing::MumbaiEntries1987()), kiran);
    const auto match = MatchCouple("Ravi Kumar", ravi, "Kiran Rao", kiran, VashyaPoints::Symmetric);
    for (const char* code : {"hi", "ta"}) {
        SCOPED_TRACE(code);
        const Catalogue words = CatalogueFor(code);
        ASSERT_EQ(words.code(), code);
        const MatchSheet sheet = ComposeMatchSheet(match.value(), words);
        std::istringstream text(MatchSheetText(sheet, words));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        // The cell a row ends with, and the column it starts at.
        auto startsAt = [&lines](const std::string& row, const std::string& last) {
            for (const std::string& line : lines)
                if (line.starts_with(row) && line.ends_with(last))
                    return TextColumns(line) - TextColumns(last);
            return std::size_t{0};
        };
        for (const MatchSheetKoota& koota : sheet.kootas)
            EXPECT_EQ(startsAt(koota.koota, koota.points), 45u) << koota.koota;
        for (const MatchSheetPorutham& porutham : sheet.poruthams)
            EXPECT_EQ(startsAt(porutham.name, porutham.reason), 24u) << porutham.name;
        EXPECT_FALSE(Has(sheet.total, "gunas")) << sheet.total;
    }
}

// The conclusion in words says what the rows say, for every pair of Moon
// quarters: it names the doshas present in their rows, and Rajju and Vedha
// fail in words exactly when they fail in theirs.
TEST(MatchSheet, ConclusionAgreesWithTheRows) {
    const MatchParty party{"P", AnalyseClassicalKujaDosha(KujaSigns{}), kAries};
    for (int groom = 0; groom < 108; ++groom) {
        for (int bride = 0; bride < 108; ++bride) {
            const MatchSheet sheet =
                ComposeMatchSheet({party, party,
                                   MatchMoons(MoonPlacementOf(groom / 4, groom % 4 + 1),
                                              MoonPlacementOf(bride / 4, bride % 4 + 1)),
                                   MatchKujaDosha(party, party), SameBirth::No});
            SCOPED_TRACE(sheet.people[0].moonLine + " / " + sheet.people[1].moonLine);
            const std::string& words = sheet.conclusion;
            const std::size_t at = words.find("Present: ");
            const std::string present =
                at == std::string::npos ? "" : words.substr(at, words.find(';', at) - at);
            for (int d = 0; d < kKootaDoshaCount; ++d)
                ASSERT_EQ(Has(present, KootaDoshas[static_cast<std::size_t>(d)].name),
                          sheet.doshas[static_cast<std::size_t>(d)].present);
            ASSERT_EQ(Has(words, "Rajju fails") || Has(words, "Rajju and Vedha fail"),
                      !sheet.poruthams[static_cast<std::size_t>(Porutham::Rajju)].agrees);
            ASSERT_EQ(Has(words, "Vedha fail"),
                      !sheet.poruthams[static_cast<std::size_t>(Porutham::Vedha)].agrees);
        }
    }
}

// One birth is the same minute of universal time at the same coordinates,
// however it was written; the people's names tell a reading matched with
// itself from twins.
TEST(MatchSheet, SameBirthIsOneMinuteAtOnePlace) {
    using Change = void (*)(BirthDetails&);
    const Change none = [](BirthDetails&) {};
    struct Case {
        const char* name;
        Change first, second;
        SameBirth expected;
    };
    const Case cases[] = {
        {"itself", none, none, SameBirth::SameName},
        {"another name and town", none, [](BirthDetails& b) { b.name = "Uma", b.city = "Dilli"; },
         SameBirth::OtherName},
        {"a minute later", none, [](BirthDetails& b) { b.minute += 1; }, SameBirth::No},
        {"south of the equator", none, [](BirthDetails& b) { b.isSouth = true; }, SameBirth::No},
        {"an hour later on daylight saving", none,
         [](BirthDetails& b) { b.hour += 1, b.daylightSaving = true; }, SameBirth::SameName},
        {"00:10 is 24:10 of the day before", [](BirthDetails& b) { b.hour = 0, b.minute = 10; },
         [](BirthDetails& b) { b.day -= 1, b.hour = 24, b.minute = 10; }, SameBirth::SameName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails first = BirthDetailsFromForm(testing::DelhiEntries()), second = first;
        c.first(first);
        c.second(second);
        EXPECT_EQ(CompareBirths(first, second), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
