#include "dosha/classical_kuja_dosha.h"

#include <algorithm>

#include "dosha/kuja_dosha.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {

constexpr std::array<CancellationText, kCancellationCount> CancellationTexts = {{
    {"Mars in the 2nd in Gemini or Virgo",
     "In the 2nd house Mars does no harm in Gemini or Virgo, the signs of Mercury."},
    {"Mars in the 4th in Aries or Scorpio",
     "In the 4th house Mars stands in a sign of its own, Aries or Scorpio, and guards the home "
     "instead of troubling it."},
    {"Mars in the 7th in Cancer or Capricorn",
     "In the 7th house Mars is held harmless in Cancer, where it is weak, and in Capricorn, "
     "where it is exalted."},
    {"Mars in the 8th in Sagittarius or Pisces",
     "In the 8th house Mars is softened by Jupiter, the lord of Sagittarius and Pisces."},
    {"Mars in the 12th in Taurus or Libra",
     "In the 12th house Mars is calmed by Venus, the lord of Taurus and Libra."},
    {"Mars in Leo or Aquarius",
     "Mars in Leo or Aquarius, the signs of the Sun and of Saturn, is held to give no dosha from "
     "any house."},
    {"Mars in its own sign or exalted",
     "Mars in Aries or Scorpio, its own signs, or in Capricorn, its sign of exaltation, is strong "
     "and dignified; its strength is not counted as an affliction."},
    {"Mars with Jupiter or the Moon",
     "Mars sharing a sign with Jupiter is restrained by the great benefic; sharing one with the "
     "Moon it makes a combination for wealth instead of a dosha."},
    {"Lagna in Cancer or Leo",
     "For a Lagna in Cancer or Leo, Mars rules both an angle and a trine of the chart (the 10th "
     "and 5th, or the 4th and 9th), which makes it a friend of the chart."},
}};

namespace {

// A house where Mars in one of two signs gives no dosha.
struct HouseException {
    Cancellation rule;
    int house;
    std::array<int, 2> signs;
};
constexpr std::array<HouseException, 5> kHouseExceptions = {{
    {Cancellation::SecondInMercurySign, 2, {kGemini, kVirgo}},
    {Cancellation::FourthInOwnSign, 4, {kAries, kScorpio}},
    {Cancellation::SeventhInCancerOrCapricorn, 7, {kCancer, kCapricorn}},
    {Cancellation::EighthInJupiterSign, 8, {kSagittarius, kPisces}},
    {Cancellation::TwelfthInVenusSign, 12, {kTaurus, kLibra}},
}};

// Conditions on Mars's sign alone, whatever the house.
constexpr std::array<int, 2> kMarsHarmlessSigns = {kLeo, kAquarius};
constexpr std::array<int, 3> kMarsOwnOrExaltedSigns = {kAries, kScorpio, kCapricorn};
// Conditions on the Lagna's sign, whatever the reference.
constexpr std::array<int, 2> kFriendlyLagnaSigns = {kCancer, kLeo};

template <std::size_t N>
constexpr bool Among(int value, const std::array<int, N>& values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

ReferenceDosha CountFrom(int referenceSign, const KujaSigns& signs) {
    ReferenceDosha dosha;
    dosha.referenceSign = referenceSign;
    dosha.marsHouse = WholeSignHouse(signs.mars, referenceSign);
    dosha.doshaHouse = Among(dosha.marsHouse, kClassicalDoshaHouses);
    if (!dosha.doshaHouse) return dosha;

    auto hold = [&dosha](Cancellation rule) {
        dosha.cancelledBy[static_cast<std::size_t>(rule)] = true;
    };
    for (const HouseException& exception : kHouseExceptions)
        if (dosha.marsHouse == exception.house && Among(signs.mars, exception.signs))
            hold(exception.rule);
    if (Among(signs.mars, kMarsHarmlessSigns)) hold(Cancellation::MarsInLeoOrAquarius);
    if (Among(signs.mars, kMarsOwnOrExaltedSigns)) hold(Cancellation::MarsOwnOrExalted);
    if (signs.mars == signs.jupiter || signs.mars == signs.moon)
        hold(Cancellation::MarsWithJupiterOrMoon);
    if (Among(signs.lagna, kFriendlyLagnaSigns)) hold(Cancellation::LagnaInCancerOrLeo);
    return dosha;
}

}  // namespace

ClassicalStatus ReferenceDosha::status() const {
    if (!doshaHouse) return ClassicalStatus::NoDosha;
    const bool cancelled =
        std::any_of(cancelledBy.begin(), cancelledBy.end(), [](bool holds) { return holds; });
    return cancelled ? ClassicalStatus::Cancelled : ClassicalStatus::Dosha;
}

bool ClassicalKujaDosha::hasUncancelledDosha() const {
    return std::any_of(references.begin(), references.end(), [](const ReferenceDosha& dosha) {
        return dosha.status() == ClassicalStatus::Dosha;
    });
}

ClassicalKujaDosha AnalyseClassicalKujaDosha(const KujaSigns& signs) {
    ClassicalKujaDosha analysis;
    analysis.signs = signs;
    analysis.references = {CountFrom(signs.lagna, signs), CountFrom(signs.moon, signs),
                           CountFrom(signs.venus, signs)};
    return analysis;
}

std::optional<ClassicalKujaDosha> AnalyseClassicalKujaDosha(const ChartReading& reading) {
    const auto& positions = reading.planetPositionText;
    const auto lagna = SignOfPositionText(positions[kAscendant]);
    const auto moon = SignOfPositionText(positions[kMoon]);
    const auto venus = SignOfPositionText(positions[kVenus]);
    const auto mars = SignOfPositionText(positions[kMars]);
    const auto jupiter = SignOfPositionText(positions[kJupiter]);
    if (!lagna || !moon || !venus || !mars || !jupiter) return std::nullopt;
    return AnalyseClassicalKujaDosha(KujaSigns{*lagna, *moon, *venus, *mars, *jupiter});
}

std::string ClassicalVerdictText(const ReferenceDosha& dosha) {
    switch (dosha.status()) {
        case ClassicalStatus::NoDosha:
            return "no dosha";
        case ClassicalStatus::Dosha:
            return "dosha";
        case ClassicalStatus::Cancelled:
            break;
    }
    std::string text = "dosha, cancelled by ";
    std::string_view separator;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        text += separator;
        text += CancellationTexts[static_cast<std::size_t>(rule)].name;
        separator = "; ";
    }
    return text;
}

std::string_view ClassicalStatusWord(ClassicalStatus status) {
    switch (status) {
        case ClassicalStatus::NoDosha:
            return "none";
        case ClassicalStatus::Dosha:
            return "dosha";
        case ClassicalStatus::Cancelled:
            return "cancelled";
    }
    return "none";
}

std::string_view MarsCompanyPhrase(const KujaSigns& signs) {
    const bool jupiter = signs.mars == signs.jupiter;
    const bool moon = signs.mars == signs.moon;
    if (jupiter && moon) return "Mars with Jupiter and the Moon";
    return moon ? "Mars with the Moon" : "Mars with Jupiter";
}

std::string OrdinalHouse(int house) {
    return DecimalText(house) + std::string(OrdinalSuffixes[static_cast<std::size_t>(house - 1)]);
}

}  // namespace orbalis
