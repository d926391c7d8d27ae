#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"

namespace orbalis {

// One side of a Manglik match: whose reading it is, its classical analysis
// and the sign of its Saturn (0..11 from Aries), which can balance the other
// side's dosha.
struct MatchParty {
    std::string name;
    ClassicalKujaDosha analysis;
    int saturnSign = 0;
};

// The two-person rule: two Manglik statuses balance each other, as do two
// that are not Manglik; a one-sided dosha is balanced by Saturn in the 1st,
// 4th, 7th, 8th or 12th house from the other person's own Lagna, and is
// otherwise left unbalanced, with its level named. A person's own
// cancellations are already in the status.
enum class ManglikBalance : int { BothManglik, Neither, BalancedByPartner, NotBalanced };
inline constexpr int kManglikBalanceCount = 4;
// The machine values, in the order of ManglikBalance.
inline constexpr std::array<std::string_view, kManglikBalanceCount> ManglikBalanceWords = {
    "both_manglik", "neither", "balanced_by_partner", "not_balanced"};

inline constexpr std::array<int, 5> kBalancingSaturnHouses = {1, 4, 7, 8, 12};

struct ManglikMatch {
    ManglikBalance verdict = ManglikBalance::Neither;
    bool balanced = true;
    // The statuses of the first and the second party.
    std::array<ManglikAssessment, 2> statuses{};
    // With BalancedByPartner: the party whose Saturn balances (0 or 1) and
    // its house from that party's Lagna; with NotBalanced: the party that is
    // Manglik. -1 and 0 otherwise.
    int party = -1;
    int saturnHouse = 0;
    // "Kuja dosha is balanced by Kiran Rao's chart: Saturn in the 7th from
    // the Lagna." (the sentences of the rule).
    std::string conclusion;
    // When both are Manglik at different levels: "The levels differ: Ravi
    // Kumar is High Manglik and Uma Das is Low Manglik."; empty otherwise.
    std::string note;
    // Each person's status, one line each ("Ravi Kumar: Manglik, cancelled —
    // Mars with the Moon."), then the note if there is one.
    std::string reason;
};

// The sentences in the catalogue's language; the verdict is the same in all.
ManglikMatch MatchKujaDosha(const MatchParty& first, const MatchParty& second,
                            const Catalogue& words = English());

}  // namespace orbalis
