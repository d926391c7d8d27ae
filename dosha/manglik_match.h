#pragma once

#include <string>
#include <string_view>

#include "dosha/classical_kuja_dosha.h"

namespace orbalis {

// One side of a Manglik match: whose reading it is and its classical analysis.
struct MatchParty {
    std::string name;
    ClassicalKujaDosha analysis;
};

inline constexpr std::string_view kDoshaBalanced = "Kuja dosha is balanced";
inline constexpr std::string_view kDoshaNotBalanced = "Kuja dosha is not balanced";

// The traditional conclusion of a match: the dosha is balanced when both
// readings have an uncancelled dosha or neither has; otherwise the reason
// names the one who has it and the references it comes from.
struct ManglikMatch {
    bool balanced = false;
    std::string_view conclusion;  // kDoshaBalanced or kDoshaNotBalanced
    std::string reason;           // "Only Ravi Kumar has an uncancelled dosha, from the Lagna."
};

ManglikMatch MatchKujaDosha(const MatchParty& first, const MatchParty& second);

// The references a dosha stands uncancelled from: "the Lagna and Venus",
// "the Lagna, the Moon and Venus"; empty when there are none.
std::string UncancelledReferences(const ClassicalKujaDosha& analysis);

// The match as plain text, lines ending in LF: each reading's three rows,
// then the conclusion and its reason.
std::string ManglikMatchText(const MatchParty& first, const MatchParty& second);

}  // namespace orbalis
