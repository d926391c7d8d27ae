#include "dosha/manglik_match.h"

#include <gtest/gtest.h>

#include "model/reference_tables.h"
#include "reading/match_sheet.h"

namespace orbalis {
namespace {

// The couples of the rule reference: the grooms are its edge cases E1, E2,
// E3 and E7, the brides N1 and N2 (neither Manglik; Saturn in the 7th and
// the 9th from their Lagnas).
MatchParty Party(const char* name, KujaSigns signs, int saturnSign = kAries) {
    return {name, AnalyseClassicalKujaDosha(signs), saturnSign};
}
const MatchParty kE1 = Party("E1", {kLeo, kGemini, kGemini, kCancer, kPisces});
const MatchParty kE2 = Party("E2", {kLibra, kAquarius, kScorpio, kSagittarius, kVirgo});
const MatchParty kE3 = Party("E3", {kAries, kLeo, kTaurus, kLibra, kPisces});
const MatchParty kE7 = Party("E7", {kLibra, kCancer, kPisces, kTaurus, kGemini});
const MatchParty kN1 = Party("N1", {kPisces, kCancer, kCapricorn, kTaurus, kScorpio}, kVirgo);
const MatchParty kN2 = Party("N2", {kTaurus, kVirgo, kPisces, kCancer, kLeo}, kCapricorn);

TEST(ManglikMatch, TwoPersonRuleOnTheReferenceCouples) {
    struct Case {
        const char* name;
        const MatchParty& groom;
        const MatchParty& bride;
        ManglikBalance verdict;
        const char* conclusion;
        const char* note;
    };
    const Case cases[] = {
        {"M1 both Manglik", kE3, kE2, ManglikBalance::BothManglik,
         "Kuja dosha is balanced: both are Manglik.",
         "The levels differ: E3 is High Manglik and E2 is Low Manglik."},
        {"M2 balanced by the bride's Saturn", kE3, kN1, ManglikBalance::BalancedByPartner,
         "Kuja dosha is balanced by N1's chart: Saturn in the 7th from the Lagna.", ""},
        {"M2 the other way round", kN1, kE3, ManglikBalance::BalancedByPartner,
         "Kuja dosha is balanced by N1's chart: Saturn in the 7th from the Lagna.", ""},
        {"M3 Saturn in her 9th", kE2, kN2, ManglikBalance::NotBalanced,
         "Kuja dosha is not balanced: only E2 is Manglik (Low Manglik).", ""},
        {"M4 a cancelled dosha is no dosha", kE1, kN2, ManglikBalance::Neither,
         "Kuja dosha is balanced: neither is Manglik.", ""},
        {"M5 high and alone", kE7, kN2, ManglikBalance::NotBalanced,
         "Kuja dosha is not balanced: only E7 is Manglik (High Manglik).", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ManglikMatch match = MatchKujaDosha(c.groom, c.bride);
        EXPECT_EQ(ManglikBalanceWords[static_cast<std::size_t>(match.verdict)],
                  ManglikBalanceWords[static_cast<std::size_t>(c.verdict)]);
        EXPECT_EQ(match.balanced, c.verdict != ManglikBalance::NotBalanced);
        EXPECT_EQ(match.conclusion, c.conclusion);
        EXPECT_EQ(match.note, c.note);
        // On the match sheet: the note under the conclusion, then the
        // remedies when the dosha is left unbalanced.
        const std::string text = MatchSheetText(ComposeMatchSheet(
            {c.groom, c.bride, matching::MatchMoons({}, {}), match, SameBirth::No}));
        const std::string tail = match.conclusion + "\n" +
                                 (*c.note ? c.note + std::string("\n") : "") +
                                 (match.balanced ? "" : "\n" + RemediesText()) + "\nConclusion\n";
        EXPECT_NE(text.find("\n" + tail), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace orbalis
