#include "dosha/manglik_match.h"

#include <algorithm>

#include "dosha/kuja_dosha.h"
#include "dosha/kuja_dosha_details_text.h"
#include "model/reference_tables.h"

namespace orbalis {

ManglikMatch MatchKujaDosha(const MatchParty& first, const MatchParty& second,
                            const Catalogue& words) {
    const MatchParty* parties[] = {&first, &second};
    ManglikMatch match;
    match.statuses = {AssessManglik(first.analysis), AssessManglik(second.analysis)};
    const bool firstIs = IsManglik(match.statuses[0].status);
    const bool secondIs = IsManglik(match.statuses[1].status);
    auto level = [&](int party) {
        return Tr(words, NameOf(match.statuses[static_cast<std::size_t>(party)].status).level);
    };

    if (firstIs && secondIs) {
        match.verdict = ManglikBalance::BothManglik;
        match.conclusion = Tr(words, "Kuja dosha is balanced: both are Manglik.");
    } else if (!firstIs && !secondIs) {
        match.verdict = ManglikBalance::Neither;
        match.conclusion = Tr(words, "Kuja dosha is balanced: neither is Manglik.");
    } else {
        const int manglik = firstIs ? 0 : 1;
        const MatchParty& other = *parties[1 - manglik];
        const int saturnHouse = WholeSignHouse(other.saturnSign, other.analysis.signs.lagna);
        if (std::find(kBalancingSaturnHouses.begin(), kBalancingSaturnHouses.end(), saturnHouse) !=
            kBalancingSaturnHouses.end()) {
            match.verdict = ManglikBalance::BalancedByPartner;
            match.party = 1 - manglik;
            match.saturnHouse = saturnHouse;
            match.conclusion =
                Fill(Tr(words,
                        "Kuja dosha is balanced by {name}'s chart: Saturn in the {house} from the "
                        "Lagna."),
                     {{"name", other.name}, {"house", OrdinalHouse(saturnHouse, words)}});
        } else {
            match.verdict = ManglikBalance::NotBalanced;
            match.party = manglik;
            match.conclusion =
                Fill(Tr(words, "Kuja dosha is not balanced: only {name} is Manglik ({level})."),
                     {{"name", parties[manglik]->name}, {"level", level(manglik)}});
        }
    }
    match.balanced = match.verdict != ManglikBalance::NotBalanced;

    if (match.verdict == ManglikBalance::BothManglik &&
        match.statuses[0].status != match.statuses[1].status) {
        match.note = Fill(Tr(words,
                             "The levels differ: {first} is {first_level} and {second} is "
                             "{second_level}."),
                          {{"first", first.name},
                           {"first_level", level(0)},
                           {"second", second.name},
                           {"second_level", level(1)}});
    }
    for (int i = 0; i < 2; ++i) {
        if (i > 0) match.reason += "\n";
        match.reason += Fill(
            Tr(words, "{name}: {status}"),
            {{"name", parties[i]->name}, {"status", ManglikStatusText(match.statuses[i], words)}});
    }
    if (!match.note.empty()) match.reason += "\n" + match.note;
    return match;
}

}  // namespace orbalis
