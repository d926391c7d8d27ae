#include "reading/match_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/reference_tables.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

using namespace matching;

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

CoupleMatch MatchOf(const BirthDetails& groom, const BirthDetails& bride) {
    ChartReading readings[2];
    ComputeChartReading(groom, readings[0]);
    ComputeChartReading(bride, readings[1]);
    CoupleMatch match =
        MatchCouple(groom.name, readings[0], bride.name, readings[1], VashyaPoints::Symmetric)
            .value();
    match.sameBirth = CompareBirths(groom, bride);
    return match;
}

// Ravi Kumar (Delhi, 1985) the groom, Kiran Rao (Mumbai, 1987) the bride:
// every part of the sheet, checked by hand against the rule tables.
TEST(MatchSheet, TextOfAWholeMatch) {
    std::ifstream golden(std::filesystem::path(ORBALIS_TEST_DATA) / "ravi_with_kiran_match.txt",
                         std::ios::binary);
    std::stringstream expected;
    expected << golden.rdbuf();
    const MatchSheet sheet =
        ComposeMatchSheet(MatchOf(BirthDetailsFromForm(testing::DelhiEntries()),
                                  BirthDetailsFromForm(testing::MumbaiEntries1987())));
    EXPECT_EQ(MatchSheetText(sheet), expected.str());
}

// The conclusion in words says what the rows say, for every pair of Moon
// quarters: each dosha it names is present in its row, Rajju and Vedha fail
// in words exactly when they fail in theirs.
TEST(MatchSheet, ConclusionAgreesWithTheRows) {
    const MatchParty party{"P", AnalyseClassicalKujaDosha(KujaSigns{}), kAries};
    const ManglikMatch manglik = MatchKujaDosha(party, party);
    for (int groom = 0; groom < 108; ++groom) {
        for (int bride = 0; bride < 108; ++bride) {
            const MoonMatch moons = MatchMoons(MoonPlacementOf(groom / 4, groom % 4 + 1),
                                               MoonPlacementOf(bride / 4, bride % 4 + 1));
            const MatchSheet sheet =
                ComposeMatchSheet({party, party, moons, manglik, SameBirth::No});
            SCOPED_TRACE(sheet.people[0].moonLine + " / " + sheet.people[1].moonLine);
            const std::size_t at = sheet.conclusion.find("Present: ");
            const std::string present =
                at == std::string::npos
                    ? ""
                    : sheet.conclusion.substr(at, sheet.conclusion.find(';', at) - at);
            for (int d = 0; d < kKootaDoshaCount; ++d) {
                const MatchSheetDosha& dosha = sheet.doshas[static_cast<std::size_t>(d)];
                ASSERT_EQ(Has(present, KootaDoshas[static_cast<std::size_t>(d)].name),
                          dosha.present);
                ASSERT_EQ(dosha.exceptions.empty(), !Has(dosha.line, "cancelled"));
            }
            const auto agrees = [&](Porutham p) {
                return sheet.poruthams[static_cast<std::size_t>(p)].agrees;
            };
            ASSERT_EQ(Has(sheet.conclusion, "Rajju fails") ||
                          Has(sheet.conclusion, "Rajju and Vedha fail"),
                      !agrees(Porutham::Rajju));
            ASSERT_EQ(Has(sheet.conclusion, "Vedha fail"), !agrees(Porutham::Vedha));
        }
    }
}

// The Manglik balance of the reference's couples (edge cases E1, E2, E3 and
// E7 the grooms, N1 and N2 the brides): both statuses, the note where the
// levels differ, the remedies where the dosha is left unbalanced.
TEST(MatchSheet, ManglikBalanceOfTheReferenceCouples) {
    const auto party = [](const char* name, KujaSigns signs, int saturnSign = kAries) {
        return MatchParty{name, AnalyseClassicalKujaDosha(signs), saturnSign};
    };
    const MatchParty e1 = party("E1", {kLeo, kGemini, kGemini, kCancer, kPisces});
    const MatchParty e2 = party("E2", {kLibra, kAquarius, kScorpio, kSagittarius, kVirgo});
    const MatchParty e3 = party("E3", {kAries, kLeo, kTaurus, kLibra, kPisces});
    const MatchParty e7 = party("E7", {kLibra, kCancer, kPisces, kTaurus, kGemini});
    const MatchParty n1 = party("N1", {kPisces, kCancer, kCapricorn, kTaurus, kScorpio}, kVirgo);
    const MatchParty n2 = party("N2", {kTaurus, kVirgo, kPisces, kCancer, kLeo}, kCapricorn);
    struct Case {
        const char* name;
        const MatchParty& groom;
        const MatchParty& bride;
        const char* statuses;  // the two status lines, as the text shows them
        const char* tail;      // the conclusion and what follows it
        bool remedies;
    };
    const Case cases[] = {
        {"M1 both Manglik, levels differ", e3, e2, "High Manglik",
         "Manglik.\nThe levels differ: E3 is High Manglik and E2 is Low Manglik.\n", false},
        {"M2 balanced by her Saturn", e3, n1, "Not Manglik.", "Saturn in the 7th from the Lagna.\n",
         false},
        {"M4 a cancelled dosha is no dosha", e1, n2, "Manglik, cancelled", "neither is Manglik.\n",
         false},
        {"M5 high and alone", e7, n2,
         "Manglik status: High Manglik \u2014 Mars in the 8th from the Lagna.\n",
         "only E7 is Manglik (High Manglik).\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CoupleMatch match{c.groom, c.bride,
                                MatchMoons(MoonPlacementOf(0, 1), MoonPlacementOf(13, 2)),
                                MatchKujaDosha(c.groom, c.bride), SameBirth::No};
        const std::string text = MatchSheetText(ComposeMatchSheet(match));
        EXPECT_TRUE(Has(text, c.statuses)) << text;
        EXPECT_TRUE(Has(text, std::string(c.tail) + (c.remedies ? "\n" + RemediesText() : "") +
                                  "\nConclusion\n"))
            << text;
    }
}

// One birth is the same minute of universal time at the same coordinates,
// however it was written; the people's names tell a reading matched with
// itself from twins.
TEST(MatchSheet, SameBirthIsOneMinuteAtOnePlace) {
    const BirthDetails delhi = BirthDetailsFromForm(testing::DelhiEntries());
    using Change = void (*)(BirthDetails&);
    const Change none = [](BirthDetails&) {};
    struct Case {
        const char* name;
        Change first, second;
        SameBirth expected;
    };
    const Case cases[] = {
        {"itself", none, none, SameBirth::SameName},
        {"another name and town name", none,
         [](BirthDetails& b) { b.name = "Uma Das", b.city = "Dilli"; }, SameBirth::OtherName},
        {"a minute later", none, [](BirthDetails& b) { b.minute += 1; }, SameBirth::No},
        {"a minute of longitude east", none, [](BirthDetails& b) { b.longitudeMinutes += 1; },
         SameBirth::No},
        {"south of the equator", none, [](BirthDetails& b) { b.isSouth = true; }, SameBirth::No},
        {"an hour later on daylight saving", none,
         [](BirthDetails& b) { b.hour += 1, b.daylightSaving = true; }, SameBirth::SameName},
        {"00:10 is 24:10 of the day before", [](BirthDetails& b) { b.hour = 0, b.minute = 10; },
         [](BirthDetails& b) { b.day -= 1, b.hour = 24, b.minute = 10; }, SameBirth::SameName},
        {"0°00′ north and south",
         [](BirthDetails& b) { b.latitudeDegrees = 0, b.latitudeMinutes = 0; },
         [](BirthDetails& b) { b.latitudeDegrees = 0, b.latitudeMinutes = 0, b.isSouth = true; },
         SameBirth::SameName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails first = delhi, second = delhi;
        c.first(first);
        c.second(second);
        EXPECT_EQ(CompareBirths(first, second), c.expected);
    }
    const std::string text = MatchSheetText(ComposeMatchSheet(MatchOf(delhi, delhi)));
    EXPECT_TRUE(Has(text,
                    "Cancer, Pushya, pada 3\nBoth readings are of the same birth: a reading "
                    "matched with itself.\n\nAshtakoota"))
        << text;
}

}  // namespace
}  // namespace orbalis
