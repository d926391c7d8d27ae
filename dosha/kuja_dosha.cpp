#include "dosha/kuja_dosha.h"

#include <array>
#include <string_view>

#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {

namespace {

// Percentage of Kuja dosha by the sign of the searched body, Aries to Pisces.
// Any text other than "0%" makes the person Manglik.
constexpr std::array<std::string_view, kSignCount> kDoshaPercentages = {
    "50%", "0.0625%", "0%", "0.125%", "0%", "0%", "25%", "100%", "0%", "0%", "0%", "0.0625%"};

constexpr std::string_view kNoDosha = "0%";

}  // namespace

std::optional<int> SignOfPositionText(std::string_view positionText) {
    if (positionText.size() < 6) return std::nullopt;
    return SignIndex(positionText.substr(3, 3));
}

std::optional<KujaDoshaCount> CountKujaDosha(const ChartReading& reading,
                                             std::string_view referencePositionText,
                                             std::string_view searchedBodyName) {
    const std::optional<int> referenceSign = SignOfPositionText(referencePositionText);
    const std::optional<int> marsSign = SignOfPositionText(reading.planetPositionText[kMars]);

    // Every body stands in exactly one sign, so the sign whose bodies include
    // the searched one is simply that body's own sign.
    std::optional<int> searchedSign;
    for (int body = 0; body < kChartBodyCount; ++body) {
        if (kBodyNames[body] == searchedBodyName) {
            searchedSign = SignOfPositionText(reading.planetPositionText[body]);
            break;
        }
    }

    // Without these signs there is nothing to count from: show nothing rather
    // than a verdict that no chart supports.
    if (!referenceSign || !marsSign || !searchedSign) return std::nullopt;

    const int marsHouse = WholeSignHouse(*marsSign, *referenceSign);
    const std::string_view percentage = kDoshaPercentages[*searchedSign];
    return KujaDoshaCount{marsHouse, percentage, percentage != kNoDosha};
}

KujaDoshaLines DetermineKujaDosha(const ChartReading& reading,
                                  std::string_view referencePositionText,
                                  std::string_view searchedBodyName, bool fromLagna,
                                  const Catalogue& words) {
    return KujaDoshaLinesOf(CountKujaDosha(reading, referencePositionText, searchedBodyName),
                            fromLagna, words);
}

KujaDoshaLines KujaDoshaLinesOf(const std::optional<KujaDoshaCount>& count, bool fromLagna,
                                const Catalogue& words) {
    if (!count) return {};

    const std::string house = DecimalText(count->marsHouse);
    KujaDoshaLines lines;
    lines.position =
        fromLagna ? Fill(Tr(words, "Position of Mars from Lagna is {house}"), {{"house", house}})
                  : Fill(Tr(words, "Position of Mars from Chandra is {house}"), {{"house", house}});
    lines.percentage = Fill(Tr(words, "Percentage of Kuja dosha is {percentage}"),
                            {{"percentage", count->percentage}});
    lines.verdict = std::string(count->manglik ? Tr(words, "The person is Manglik")
                                               : Tr(words, "The person is Non Manglik"));
    return lines;
}

}  // namespace orbalis
