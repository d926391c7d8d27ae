#include <algorithm>

#include "dosha/classical_kuja_dosha.h"
#include "dosha/interpretation_texts.h"
#include "dosha/kuja_dosha.h"

namespace orbalis {

std::array<std::string, 12> HouseLordLines(const ChartReading& reading, const Catalogue& words) {
    std::array<std::string, 12> lines;
    const std::optional<int> lagnaSign = SignOfPositionText(reading.planetPositionText[kAscendant]);
    if (!lagnaSign) return lines;

    for (int house = 1; house <= 12; ++house) {
        // Whole-sign houses: house h is the sign h - 1 places after the Lagna's.
        const std::string_view lord = SignLords[(*lagnaSign + house - 1) % 12];
        // The lords are Sun to Saturn, whose body index is their place in this list.
        const auto lordEntry =
            std::find(kBodyNames.begin(), kBodyNames.begin() + kInterpretationBodyCount, lord);
        const auto lordBody = static_cast<int>(lordEntry - kBodyNames.begin());
        const std::optional<int> lordSign =
            SignOfPositionText(reading.planetPositionText[lordBody]);
        if (!lordSign) continue;
        const int lordHouse = WholeSignHouse(*lordSign, *lagnaSign);

        lines[house - 1] =
            Fill(Tr(words, "Lord of the {house} house ({lord}) in the {lord_house} house: {text}"),
                 {{"house", OrdinalHouse(house, words)},
                  {"lord", Tr(words, lord)},
                  {"lord_house", OrdinalHouse(lordHouse, words)},
                  {"text", Tr(words, HouseLordTexts[house - 1][lordHouse - 1])}});
    }
    return lines;
}

}  // namespace orbalis
