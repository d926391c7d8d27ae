#include "dosha/classical_kuja_dosha.h"

#include <algorithm>

#include "dosha/kuja_dosha.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {

constexpr std::array<CancellationText, kCancellationCount> CancellationTexts = {{
    {N_("Mars in the 2nd in Gemini or Virgo"),
     N_("In the 2nd house Mars does no harm in Gemini or Virgo, the signs of Mercury.")},
    {N_("Mars in the 4th in Aries or Scorpio"),
     N_("In the 4th house Mars stands in a sign of its own, Aries or Scorpio, and guards the home "
        "instead of troubling it.")},
    {N_("Mars in the 7th in Cancer or Capricorn"),
     N_("In the 7th house Mars is held harmless in Cancer, where it is weak, and in Capricorn, "
        "where it is exalted.")},
    {N_("Mars in the 8th in Sagittarius or Pisces"),
     N_("In the 8th house Mars is softened by Jupiter, the lord of Sagittarius and Pisces.")},
    {N_("Mars in the 12th in Taurus or Libra"),
     N_("In the 12th house Mars is calmed by Venus, the lord of Taurus and Libra.")},
    {N_("Mars in Leo or Aquarius"), N_("Mars in Leo or Aquarius, the signs of the Sun and of "
                                       "Saturn, is held to give no dosha from "
                                       "any house.")},
    {N_("Mars in its own sign or exalted"),
     N_("Mars in Aries or Scorpio, its own signs, or in Capricorn, its sign of exaltation, is "
        "strong "
        "and dignified; its strength is not counted as an affliction.")},
    {N_("Mars with Jupiter or the Moon"),
     N_("Mars sharing a sign with Jupiter is restrained by the great benefic; sharing one with the "
        "Moon it makes a combination for wealth instead of a dosha.")},
    {N_("Lagna in Cancer or Leo"),
     N_("For a Lagna in Cancer or Leo, Mars rules both an angle and a trine of the chart (the 10th "
        "and 5th, or the 4th and 9th), which makes it a friend of the chart.")},
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

std::string ClassicalVerdictText(const ReferenceDosha& dosha, const Catalogue& words) {
    switch (dosha.status()) {
        case ClassicalStatus::NoDosha:
            return std::string(Tr(words, "no dosha"));
        case ClassicalStatus::Dosha:
            return std::string(Tr(words, "dosha"));
        case ClassicalStatus::Cancelled:
            break;
    }
    std::string rules;
    std::string_view separator;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        rules += separator;
        rules += Tr(words, CancellationTexts[static_cast<std::size_t>(rule)].name);
        separator = "; ";
    }
    return Fill(Tr(words, "dosha, cancelled by {rules}"), {{"rules", rules}});
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

std::string_view MarsCompanyPhrase(const KujaSigns& signs, const Catalogue& words) {
    const bool jupiter = signs.mars == signs.jupiter;
    const bool moon = signs.mars == signs.moon;
    if (jupiter && moon) return Tr(words, "Mars with Jupiter and the Moon");
    return moon ? Tr(words, "Mars with the Moon") : Tr(words, "Mars with Jupiter");
}

std::string_view ReferenceAfterFrom(int reference, const Catalogue& words) {
    switch (static_cast<KujaReference>(reference)) {
        case KujaReference::Lagna:
            // TRANSLATORS: a point Mars is counted from, as it follows "from"; write it with the
            // word or ending for "from", which the sentences around it then leave out.
            return TrC(words, "after from", "the Lagna");
        case KujaReference::Moon:
            return TrC(words, "after from", "the Moon");
        case KujaReference::Venus:
            break;
    }
    return TrC(words, "after from", "Venus");
}

namespace {

// The ordinals as they stand before "house": in Hindi the oblique form, which
// also fits "in the 7th".
constexpr std::array<std::string_view, 12> kOrdinalHouses = {
    N_("1st"), N_("2nd"), N_("3rd"), N_("4th"),  N_("5th"),  N_("6th"),
    N_("7th"), N_("8th"), N_("9th"), N_("10th"), N_("11th"), N_("12th")};

}  // namespace

std::string OrdinalHouse(int house, const Catalogue& words) {
    if (house < 1 || house > 12) return DecimalText(house);
    return std::string(Tr(words, kOrdinalHouses[static_cast<std::size_t>(house - 1)]));
}

std::string ListText(const std::vector<std::string>& parts, const Catalogue& words) {
    if (parts.empty()) return {};
    std::string list = parts.front();
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
        // TRANSLATORS: between the items of a list but the last two.
        list += TrC(words, "list separator", ", ");
        list += parts[i];
    }
    if (parts.size() == 1) return list;
    return Fill(Tr(words, "{list} and {last}"), {{"list", list}, {"last", parts.back()}});
}

}  // namespace orbalis
