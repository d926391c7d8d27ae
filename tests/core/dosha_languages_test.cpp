#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "dosha/classical_block.h"
#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_match.h"
#include "dosha/manglik_status.h"
#include "model/reference_tables.h"
#include "reading/languages.h"

namespace orbalis {
namespace {

// Readings that between them reach every sentence of the status: a house
// exception with own sign and company, two softenings, three references, the
// marriage-age note, the sign-edge note and a Lagna that cancels.
struct Case {
    const char* name;
    KujaSigns signs;  // Lagna, Moon, Venus, Mars, Jupiter
    double marsDegreesInSign;
    std::optional<int> marriageAge;
};

const Case kCases[] = {
    {"cancelled by a house, own sign and company",
     {kScorpio, kScorpio, kLeo, kScorpio, kAquarius},
     0.9,
     {}},
    {"lowered by Jupiter's aspect and in the Lagna",
     {kLibra, kSagittarius, kCancer, kGemini, kLibra},
     17.8,
     {}},
    {"high from three references", {kAquarius, kLibra, kVirgo, kVirgo, kCancer}, 22.6, {}},
    {"high from the 7th, married at 30", {kAries, kLeo, kTaurus, kLibra, kPisces}, 15, 30},
    {"high from two, at a sign's edge", {kAries, kAries, kPisces, kTaurus, kLibra}, 29.5, {}},
    {"cancelled by the Lagna", {kLeo, kGemini, kGemini, kCancer, kPisces}, 15, {}},
};

TEST(DoshaLanguages, StatusReasonsAndNotesLeaveNoEnglishTerm) {
    const std::regex english(R"(\b(Mars|Lagna|Moon|house|dosha|cancelled)\b|\{)");
    for (const char* code : {"hi", "ta"}) {
        const Catalogue words = CatalogueFor(code);
        ASSERT_EQ(words.code(), code) << "the catalogues are built with the program";
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string(code) + ": " + c.name);
            const ManglikAssessment assessment =
                AssessManglik(AnalyseClassicalKujaDosha(c.signs),
                              c.signs.mars * 30.0 + c.marsDegreesInSign, c.marriageAge);
            std::vector<std::string> lines = {ManglikStatusLine(assessment, words),
                                              KujaDoshaDetailsText(assessment, "Uma", words)};
            for (const std::string& reason : ManglikReasons(assessment, words))
                lines.push_back(reason);
            for (const std::string& note : ManglikNotes(assessment, words)) lines.push_back(note);
            const ClassicalBlock block = ClassicalBlockOf(assessment.analysis, words);
            for (const ClassicalBlockLine& line : block.lines)
                lines.push_back(line.reference + line.text);
            lines.push_back(block.closing);
            // Against a partner who is not Manglik and whose Saturn does not balance.
            const ManglikMatch match = MatchKujaDosha(
                {"Uma", assessment.analysis, kAries},
                {"Ravi", AnalyseClassicalKujaDosha(kCases[5].signs), kCapricorn}, words);
            lines.insert(lines.end(), {match.conclusion, match.reason});
            for (const std::string& line : lines) {
                EXPECT_FALSE(line.empty());
                EXPECT_FALSE(std::regex_search(line, english)) << line;
            }
        }
    }
}

}  // namespace
}  // namespace orbalis
