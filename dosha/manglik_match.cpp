#include "dosha/manglik_match.h"

#include <algorithm>

#include "dosha/kuja_dosha.h"
#include "dosha/kuja_dosha_details_text.h"
#include "model/reference_tables.h"

namespace orbalis {

ManglikMatch MatchKujaDosha(const MatchParty& first, const MatchParty& second) {
    const MatchParty* parties[] = {&first, &second};
    ManglikMatch match;
    match.statuses = {AssessManglik(first.analysis), AssessManglik(second.analysis)};
    const bool firstIs = IsManglik(match.statuses[0].status);
    const bool secondIs = IsManglik(match.statuses[1].status);
    const std::string start = "Kuja dosha is ";

    if (firstIs && secondIs) {
        match.verdict = ManglikBalance::BothManglik;
        match.conclusion = start + "balanced: both are Manglik.";
    } else if (!firstIs && !secondIs) {
        match.verdict = ManglikBalance::Neither;
        match.conclusion = start + "balanced: neither is Manglik.";
    } else {
        const int manglik = firstIs ? 0 : 1;
        const MatchParty& other = *parties[1 - manglik];
        const int saturnHouse = WholeSignHouse(other.saturnSign, other.analysis.signs.lagna);
        if (std::find(kBalancingSaturnHouses.begin(), kBalancingSaturnHouses.end(), saturnHouse) !=
            kBalancingSaturnHouses.end()) {
            match.verdict = ManglikBalance::BalancedByPartner;
            match.party = 1 - manglik;
            match.saturnHouse = saturnHouse;
            match.conclusion = start + "balanced by " + other.name + "'s chart: Saturn in the " +
                               OrdinalHouse(saturnHouse) + " from the Lagna.";
        } else {
            match.verdict = ManglikBalance::NotBalanced;
            match.party = manglik;
            match.conclusion = start + "not balanced: only " + parties[manglik]->name +
                               " is Manglik (" +
                               std::string(NameOf(match.statuses[manglik].status).level) + ").";
        }
    }
    match.balanced = match.verdict != ManglikBalance::NotBalanced;

    if (match.verdict == ManglikBalance::BothManglik &&
        match.statuses[0].status != match.statuses[1].status) {
        match.note = "The levels differ: " + first.name + " is " +
                     std::string(NameOf(match.statuses[0].status).level) + " and " + second.name +
                     " is " + std::string(NameOf(match.statuses[1].status).level) + ".";
    }
    for (int i = 0; i < 2; ++i) {
        if (i > 0) match.reason += "\n";
        match.reason += parties[i]->name + ": " + ManglikStatusText(match.statuses[i]);
    }
    if (!match.note.empty()) match.reason += "\n" + match.note;
    return match;
}

}  // namespace orbalis
