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
                                  std::string_view searchedBodyName, bool fromLagna) {
    return KujaDoshaLinesOf(CountKujaDosha(reading, referencePositionText, searchedBodyName),
                            fromLagna);
}

KujaDoshaLines KujaDoshaLinesOf(const std::optional<KujaDoshaCount>& count, bool fromLagna) {
    if (!count) return {};

    KujaDoshaLines lines;
    lines.position = std::string(fromLagna ? "Position of Mars from Lagna is "
                                           : "Position of Mars from Chandra is ") +
                     DecimalText(count->marsHouse);
    lines.percentage = "Percentage of Kuja dosha is " + std::string(count->percentage);
    lines.verdict = "The person is " + std::string(ManglikVerdict(count->manglik));
    return lines;
}

}  // namespace orbalis
