#include "dosha/manglik_match.h"

#include <vector>

#include "model/reference_tables.h"
#include "dosha/kuja_dosha_details_text.h"

namespace orbalis {

std::string UncancelledReferences(const ClassicalKujaDosha& analysis) {
    std::vector<std::string_view> phrases;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const auto index = static_cast<std::size_t>(reference);
        if (analysis.references[index].status() == ClassicalStatus::Dosha)
            phrases.push_back(KujaReferenceNames[index].phrase);
    }
    std::string text;
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        if (i > 0) text += i + 1 == phrases.size() ? " and " : ", ";
        text += phrases[i];
    }
    return text;
}

ManglikMatch MatchKujaDosha(const MatchParty& first, const MatchParty& second) {
    const bool firstHas = first.analysis.hasUncancelledDosha();
    const bool secondHas = second.analysis.hasUncancelledDosha();
    ManglikMatch match;
    match.balanced = firstHas == secondHas;
    match.conclusion = match.balanced ? kDoshaBalanced : kDoshaNotBalanced;
    if (firstHas && secondHas) {
        match.reason = "Both " + first.name + " and " + second.name +
                       " have an uncancelled dosha, so each balances the other.";
    } else if (!firstHas && !secondHas) {
        match.reason =
            "Neither " + first.name + " nor " + second.name + " has an uncancelled dosha.";
    } else {
        const MatchParty& afflicted = firstHas ? first : second;
        match.reason = "Only " + afflicted.name + " has an uncancelled dosha, from " +
                       UncancelledReferences(afflicted.analysis) + ".";
    }
    return match;
}

std::string ManglikMatchText(const MatchParty& first, const MatchParty& second) {
    std::string text = "Manglik match: the classical house rule\n";
    for (const MatchParty* party : {&first, &second}) {
        text += "\n" + party->name + ", Mars in " +
                std::string(SignNames[static_cast<std::size_t>(party->analysis.signs.mars)]) +
                "\n" + ClassicalTableText(party->analysis);
    }
    const ManglikMatch match = MatchKujaDosha(first, second);
    text += "\n" + std::string(match.conclusion) + "\n" + match.reason + "\n";
    return text;
}

}  // namespace orbalis
