#include "dosha/manglik_status.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "dosha/kuja_dosha_details_text.h"
#include "model/reference_tables.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

// The worked examples of the rule reference: published births (P) with the
// signs of their published charts, Mars's degree where it matters for the
// sign-edge note, and constructed edge cases (E).
struct Case {
    const char* name;
    KujaSigns signs;  // Lagna, Moon, Venus, Mars, Jupiter
    double marsDegreesInSign;
    std::optional<int> marriageAge;
    ManglikStatus status;
    ManglikStatus level;
    std::array<int, 3> houses;  // of Mars from the Lagna, the Moon and Venus
    const char* line;
    std::size_t notes;
};

const Case kCases[] = {
    {"P1 Vadnagar 1950",
     {kScorpio, kScorpio, kLeo, kScorpio, kAquarius},
     0 + 55 / 60.0,
     {},
     ManglikStatus::Cancelled,
     ManglikStatus::Cancelled,
     {1, 1, 4},
     "Manglik status: Manglik, cancelled \u2014 Mars in Scorpio in the 4th from Venus; Mars in its "
     "own sign; Mars with the Moon.",
     1},
    {"P2 Allahabad 1917",
     {kCancer, kCapricorn, kSagittarius, kLeo, kTaurus},
     16 + 23 / 60.0,
     {},
     ManglikStatus::Cancelled,
     ManglikStatus::Cancelled,
     {2, 8, 9},
     "Manglik status: Manglik, cancelled \u2014 Mars in Leo; the Lagna in Cancer.",
     0},
    {"P3 New Delhi 1970",
     {kLibra, kSagittarius, kCancer, kGemini, kLibra},
     17 + 48 / 60.0,
     {},
     ManglikStatus::Low,
     ManglikStatus::High,
     {9, 7, 12},
     "Manglik status: Low Manglik (partial, anshik) \u2014 Mars in the 7th from the Moon and the "
     "12th from Venus; lowered from high by Jupiter's aspect and Jupiter in the Lagna.",
     1},
    {"P4 Bombay 1944",
     {kVirgo, kLeo, kLeo, kVirgo, kLeo},
     1 + 51 / 60.0,
     {},
     ManglikStatus::Low,
     ManglikStatus::Low,
     {1, 2, 2},
     "Manglik status: Low Manglik (partial, anshik) \u2014 Mars in the 1st from the Lagna.",
     1},
    {"P5 Mangalore 1973",
     {kSagittarius, kSagittarius, kSagittarius, kAries, kCapricorn},
     5 + 48 / 60.0,
     {},
     ManglikStatus::None,
     ManglikStatus::None,
     {5, 5, 5},
     "Manglik status: Not Manglik.",
     0},
    {"P6 Mumbai 1973",
     {kLibra, kSagittarius, kAries, kCapricorn, kCapricorn},
     26 + 54 / 60.0,
     {},
     ManglikStatus::Cancelled,
     ManglikStatus::Cancelled,
     {4, 2, 10},
     "Manglik status: Manglik, cancelled \u2014 Mars exalted; Mars with Jupiter.",
     0},
    {"P7 Turin 1946",
     {kCancer, kGemini, kLibra, kSagittarius, kLibra},
     1 + 10 / 60.0,
     {},
     ManglikStatus::Cancelled,
     ManglikStatus::Cancelled,
     {6, 7, 3},
     "Manglik status: Manglik, cancelled \u2014 the Lagna in Cancer.",
     0},
    {"P8 Allahabad 1942",
     {kAquarius, kLibra, kVirgo, kVirgo, kCancer},
     22 + 36 / 60.0,
     {},
     ManglikStatus::High,
     ManglikStatus::High,
     {8, 12, 1},
     "Manglik status: High Manglik \u2014 Mars in the 8th from the Lagna, the 12th from the Moon "
     "and the 1st from Venus.",
     1},
    {"P9 Indore 1929",
     {kTaurus, kCancer, kLeo, kLibra, kTaurus},
     1 + 50 / 60.0,
     {},
     ManglikStatus::Low,
     ManglikStatus::Low,
     {6, 4, 3},
     "Manglik status: Low Manglik (partial, anshik) \u2014 Mars in the 4th from the Moon.",
     1},
    {"E1 Lagna Leo",
     {kLeo, kGemini, kGemini, kCancer, kPisces},
     15,
     {},
     ManglikStatus::Cancelled,
     ManglikStatus::Cancelled,
     {12, 2, 2},
     "Manglik status: Manglik, cancelled \u2014 the Lagna in Leo.",
     0},
    {"E2 only from Venus",
     {kLibra, kAquarius, kScorpio, kSagittarius, kVirgo},
     15,
     {},
     ManglikStatus::Low,
     ManglikStatus::Low,
     {3, 11, 2},
     "Manglik status: Low Manglik (partial, anshik) \u2014 Mars in the 2nd from Venus.",
     1},
    {"E3 the 7th, age 30",
     {kAries, kLeo, kTaurus, kLibra, kPisces},
     15,
     30,
     ManglikStatus::High,
     ManglikStatus::High,
     {7, 3, 6},
     "Manglik status: High Manglik \u2014 Mars in the 7th from the Lagna.",
     1},
    {"E4 Venus in the Lagna",
     {kGemini, kAries, kGemini, kSagittarius, kAquarius},
     15,
     {},
     ManglikStatus::Low,
     ManglikStatus::High,
     {7, 9, 7},
     "Manglik status: Low Manglik (partial, anshik) \u2014 Mars in the 7th from the Lagna and the "
     "7th from Venus; lowered from high by Venus in the Lagna.",
     1},
    {"E5 New Delhi 1985",
     {kVirgo, kCancer, kGemini, kCancer, kCapricorn},
     20 + 5 / 60.0,
     {},
     ManglikStatus::Cancelled,
     ManglikStatus::Cancelled,
     {11, 1, 2},
     "Manglik status: Manglik, cancelled \u2014 Mars with the Moon.",
     0},
    {"E6 Lagna and Moon in one sign",
     {kAries, kAries, kPisces, kTaurus, kLibra},
     29.5,
     {},
     ManglikStatus::High,
     ManglikStatus::High,
     {2, 2, 3},
     "Manglik status: High Manglik \u2014 Mars in the 2nd from the Lagna and the 2nd from the "
     "Moon.",
     2},
    {"E7 the 8th",
     {kLibra, kCancer, kPisces, kTaurus, kGemini},
     15,
     {},
     ManglikStatus::High,
     ManglikStatus::High,
     {8, 11, 3},
     "Manglik status: High Manglik \u2014 Mars in the 8th from the Lagna.",
     1},
    {"E8 E7 with Jupiter in Scorpio",
     {kLibra, kCancer, kPisces, kTaurus, kScorpio},
     15,
     {},
     ManglikStatus::Low,
     ManglikStatus::High,
     {8, 11, 3},
     "Manglik status: Low Manglik (partial, anshik) \u2014 Mars in the 8th from the Lagna; lowered "
     "from high by Jupiter's aspect.",
     1},
};

TEST(ManglikStatus, WorkedExamplesOfTheRuleReference) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const ManglikAssessment assessment =
            AssessManglik(AnalyseClassicalKujaDosha(c.signs),
                          c.signs.mars * 30.0 + c.marsDegreesInSign, c.marriageAge);
        EXPECT_EQ(NameOf(assessment.status).word, NameOf(c.status).word);
        EXPECT_EQ(NameOf(assessment.level).word, NameOf(c.level).word);
        for (std::size_t r = 0; r < c.houses.size(); ++r)
            EXPECT_EQ(assessment.analysis.references[r].marsHouse, c.houses[r]);
        EXPECT_EQ(ManglikStatusLine(assessment), c.line);
        EXPECT_EQ(ManglikNotes(assessment).size(), c.notes);
    }
}

TEST(ManglikStatus, NotesBesideTheStatus) {
    const ClassicalKujaDosha high =
        AnalyseClassicalKujaDosha(KujaSigns{kAries, kLeo, kTaurus, kLibra, kPisces});
    struct NoteCase {
        const char* name;
        double marsDegrees;
        std::optional<int> age;
        std::vector<std::string> notes;
    };
    const std::string age = std::string(kAgeNote);
    const NoteCase cases[] = {
        {"no age known", kLibra * 30 + 15.0, {}, {age}},
        {"married before 28", kLibra * 30 + 15.0, 25, {age}},
        {"married at 30, Mars at the start of Libra",
         kLibra * 30 + 0.5,
         30,
         {"The marriage is planned at 30: many" + age.substr(4), std::string(kSignEdgeNote)}},
        {"Mars at the end of Libra", kLibra * 30 + 29.2, {}, {age, std::string(kSignEdgeNote)}},
    };
    for (const NoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ManglikNotes(AssessManglik(high, c.marsDegrees, c.age)), c.notes);
    }
}

std::string Golden(const char* name) {
    std::ifstream file(std::filesystem::path(ORBALIS_TEST_DATA) / name);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Every worked example's reasons: each reference's house and what became of
// its dosha, the level and what lowered it.
TEST(ManglikStatus, ReasonsOfTheWorkedExamples) {
    std::string text;
    for (const Case& c : kCases) {
        text += std::string(c.name) + "\n";
        for (const std::string& line :
             ManglikReasons(AssessManglik(AnalyseClassicalKujaDosha(c.signs))))
            text += "  " + line + "\n";
    }
    EXPECT_EQ(text, Golden("manglik_reasons.txt"));
}

// The details in full for a status lowered from high, its notes and remedies.
TEST(ManglikStatus, DetailsTextInFull) {
    const Case& lowered = kCases[2];  // P3
    EXPECT_EQ(KujaDoshaDetailsText(AssessManglik(AnalyseClassicalKujaDosha(lowered.signs),
                                                 kGemini * 30 + lowered.marsDegreesInSign),
                                   "Rahul"),
              Golden("manglik_details_p3.txt"));
}

TEST(ManglikStatus, OfAComputedReading) {
    // New Delhi, 15 August 1985, 10:30 IST: Mars in Cancer 20° 05′, with the Moon.
    const auto assessment = AssessManglik(testing::DelhiReading1985());
    ASSERT_TRUE(assessment);
    EXPECT_EQ(assessment->status, ManglikStatus::Cancelled);
    EXPECT_FALSE(assessment->marsAtSignEdge);
    EXPECT_TRUE(RemediesText().starts_with("Traditional remedies (parihara)\nThese are"));
}

}  // namespace
}  // namespace orbalis
