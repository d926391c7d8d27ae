#include "dosha/classical_kuja_dosha.h"

#include <gtest/gtest.h>

#include "dosha/kuja_dosha_details_text.h"
#include "model/reference_tables.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

constexpr std::array<KujaReference, 3> kReferences = {KujaReference::Lagna, KujaReference::Moon,
                                                      KujaReference::Venus};

TEST(ClassicalKujaDosha, OnlyTheClassicalHousesGiveADosha) {
    // Mars in Sagittarius counted from every sign in turn.
    for (KujaReference reference : kReferences) {
        for (int house = 1; house <= 12; ++house) {
            KujaSigns signs{kGemini, kAries, kTaurus, kSagittarius, kPisces};
            const int referenceSign = (kSagittarius - (house - 1) + 12) % 12;
            if (reference == KujaReference::Lagna) signs.lagna = referenceSign;
            if (reference == KujaReference::Moon) signs.moon = referenceSign;
            if (reference == KujaReference::Venus) signs.venus = referenceSign;
            const ReferenceDosha dosha = AnalyseClassicalKujaDosha(signs).from(reference);
            const bool expected =
                house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
            SCOPED_TRACE(::testing::Message()
                         << "reference " << static_cast<int>(reference) << ", house " << house);
            EXPECT_EQ(dosha.marsHouse, house);
            EXPECT_EQ(dosha.doshaHouse, expected);
        }
    }
}

// Each rule on both sides of its house and its sign. The data of a case is
// consistent from every reference: the reference's own sign is set so that
// Mars stands in `house` from it, and where a rule reads the Lagna or the
// Moon, those signs already agree with that house.
struct RuleCase {
    const char* name;
    Cancellation rule;
    int house;
    int mars;
    int jupiter;
    int moon;
    int lagna;
    bool holds;
};

constexpr RuleCase kRuleCases[] = {
    {"2nd in Gemini", Cancellation::SecondInMercurySign, 2, kGemini, kAries, kAries, kAries, true},
    {"2nd in Virgo", Cancellation::SecondInMercurySign, 2, kVirgo, kAries, kAries, kAries, true},
    {"2nd in Taurus", Cancellation::SecondInMercurySign, 2, kTaurus, kAries, kAries, kAries, false},
    {"2nd in Libra", Cancellation::SecondInMercurySign, 2, kLibra, kAries, kAries, kAries, false},
    {"1st in Gemini", Cancellation::SecondInMercurySign, 1, kGemini, kAries, kAries, kAries, false},
    {"3rd in Virgo", Cancellation::SecondInMercurySign, 3, kVirgo, kAries, kAries, kAries, false},
    {"4th in Aries", Cancellation::FourthInOwnSign, 4, kAries, kPisces, kPisces, kPisces, true},
    {"4th in Scorpio", Cancellation::FourthInOwnSign, 4, kScorpio, kAries, kAries, kAries, true},
    {"4th in Taurus", Cancellation::FourthInOwnSign, 4, kTaurus, kAries, kAries, kAries, false},
    {"4th in Libra", Cancellation::FourthInOwnSign, 4, kLibra, kAries, kAries, kAries, false},
    {"3rd in Aries", Cancellation::FourthInOwnSign, 3, kAries, kPisces, kPisces, kPisces, false},
    {"5th in Scorpio", Cancellation::FourthInOwnSign, 5, kScorpio, kAries, kAries, kAries, false},
    {"7th in Cancer", Cancellation::SeventhInCancerOrCapricorn, 7, kCancer, kAries, kAries, kAries,
     true},
    {"7th in Capricorn", Cancellation::SeventhInCancerOrCapricorn, 7, kCapricorn, kAries, kAries,
     kAries, true},
    {"7th in Leo", Cancellation::SeventhInCancerOrCapricorn, 7, kLeo, kAries, kAries, kAries,
     false},
    {"7th in Sagittarius", Cancellation::SeventhInCancerOrCapricorn, 7, kSagittarius, kAries,
     kAries, kAries, false},
    {"6th in Cancer", Cancellation::SeventhInCancerOrCapricorn, 6, kCancer, kAries, kAries, kAries,
     false},
    {"8th in Capricorn", Cancellation::SeventhInCancerOrCapricorn, 8, kCapricorn, kAries, kAries,
     kAries, false},
    {"8th in Sagittarius", Cancellation::EighthInJupiterSign, 8, kSagittarius, kAries, kAries,
     kAries, true},
    {"8th in Pisces", Cancellation::EighthInJupiterSign, 8, kPisces, kAries, kAries, kAries, true},
    {"8th in Scorpio", Cancellation::EighthInJupiterSign, 8, kScorpio, kAries, kAries, kAries,
     false},
    {"8th in Aquarius", Cancellation::EighthInJupiterSign, 8, kAquarius, kAries, kAries, kAries,
     false},
    {"7th in Sagittarius, not the 8th", Cancellation::EighthInJupiterSign, 7, kSagittarius, kAries,
     kAries, kAries, false},
    {"9th in Pisces", Cancellation::EighthInJupiterSign, 9, kPisces, kAries, kAries, kAries, false},
    {"12th in Taurus", Cancellation::TwelfthInVenusSign, 12, kTaurus, kAries, kAries, kAries, true},
    {"12th in Libra", Cancellation::TwelfthInVenusSign, 12, kLibra, kAries, kAries, kAries, true},
    {"12th in Aries", Cancellation::TwelfthInVenusSign, 12, kAries, kPisces, kPisces, kPisces,
     false},
    {"12th in Virgo", Cancellation::TwelfthInVenusSign, 12, kVirgo, kAries, kAries, kAries, false},
    {"11th in Taurus", Cancellation::TwelfthInVenusSign, 11, kTaurus, kAries, kAries, kAries,
     false},
    {"1st in Libra", Cancellation::TwelfthInVenusSign, 1, kLibra, kAries, kAries, kAries, false},
    {"Leo in the 1st", Cancellation::MarsInLeoOrAquarius, 1, kLeo, kAries, kAries, kAries, true},
    {"Aquarius in the 8th", Cancellation::MarsInLeoOrAquarius, 8, kAquarius, kAries, kAries, kAries,
     true},
    {"Cancer in the 1st", Cancellation::MarsInLeoOrAquarius, 1, kCancer, kAries, kAries, kAries,
     false},
    {"Pisces in the 8th", Cancellation::MarsInLeoOrAquarius, 8, kPisces, kAries, kAries, kAries,
     false},
    {"Leo in the 3rd", Cancellation::MarsInLeoOrAquarius, 3, kLeo, kAries, kAries, kAries, false},
    {"Aries in the 1st", Cancellation::MarsOwnOrExalted, 1, kAries, kPisces, kPisces, kPisces,
     true},
    {"Scorpio in the 12th", Cancellation::MarsOwnOrExalted, 12, kScorpio, kAries, kAries, kAries,
     true},
    {"Capricorn in the 2nd", Cancellation::MarsOwnOrExalted, 2, kCapricorn, kAries, kAries, kAries,
     true},
    {"Pisces in the 1st", Cancellation::MarsOwnOrExalted, 1, kPisces, kAries, kAries, kAries,
     false},
    {"Sagittarius in the 2nd", Cancellation::MarsOwnOrExalted, 2, kSagittarius, kAries, kAries,
     kAries, false},
    {"Aquarius in the 12th", Cancellation::MarsOwnOrExalted, 12, kAquarius, kAries, kAries, kAries,
     false},
    {"Aries in the 5th", Cancellation::MarsOwnOrExalted, 5, kAries, kPisces, kPisces, kPisces,
     false},
    {"with Jupiter in the 7th", Cancellation::MarsWithJupiterOrMoon, 7, kGemini, kGemini, kAries,
     kSagittarius, true},
    {"Jupiter a sign on", Cancellation::MarsWithJupiterOrMoon, 7, kGemini, kCancer, kAries,
     kSagittarius, false},
    {"Jupiter a sign back", Cancellation::MarsWithJupiterOrMoon, 7, kGemini, kTaurus, kAries,
     kSagittarius, false},
    {"with Jupiter in the 3rd", Cancellation::MarsWithJupiterOrMoon, 3, kGemini, kGemini, kAries,
     kAries, false},
    {"with the Moon in the 1st", Cancellation::MarsWithJupiterOrMoon, 1, kGemini, kAries, kGemini,
     kGemini, true},
    {"the Moon a sign on", Cancellation::MarsWithJupiterOrMoon, 12, kGemini, kAries, kCancer,
     kCancer, false},
    {"Lagna in Cancer", Cancellation::LagnaInCancerOrLeo, 1, kCancer, kAries, kCancer, kCancer,
     true},
    {"Lagna in Leo", Cancellation::LagnaInCancerOrLeo, 2, kVirgo, kAries, kLeo, kLeo, true},
    {"Lagna in Gemini", Cancellation::LagnaInCancerOrLeo, 1, kGemini, kAries, kGemini, kGemini,
     false},
    {"Lagna in Virgo", Cancellation::LagnaInCancerOrLeo, 12, kLeo, kAries, kVirgo, kVirgo, false},
    {"Lagna in Cancer, Mars in the 3rd", Cancellation::LagnaInCancerOrLeo, 3, kVirgo, kAries,
     kCancer, kCancer, false},
};

TEST(ClassicalKujaDosha, EachCancellationHoldsOnlyInsideItsHouseAndSigns) {
    for (const RuleCase& c : kRuleCases) {
        for (KujaReference reference : kReferences) {
            SCOPED_TRACE(::testing::Message()
                         << c.name << ", from reference " << static_cast<int>(reference));
            KujaSigns signs{c.lagna, c.moon, kAries, c.mars, c.jupiter};
            const int referenceSign = (c.mars - (c.house - 1) + 12) % 12;
            if (reference == KujaReference::Lagna) signs.lagna = referenceSign;
            if (reference == KujaReference::Moon) signs.moon = referenceSign;
            if (reference == KujaReference::Venus) signs.venus = referenceSign;
            const ReferenceDosha dosha = AnalyseClassicalKujaDosha(signs).from(reference);
            ASSERT_EQ(dosha.marsHouse, c.house);
            EXPECT_EQ(dosha.cancelledBy[static_cast<std::size_t>(c.rule)], c.holds);
        }
    }
}

TEST(ClassicalKujaDosha, DelhiReadingFromEachReference) {
    // Mars in Cancer with the Moon: 11th from the Lagna in Virgo, 1st from the
    // Moon, 2nd from Venus in Gemini.
    const auto analysis = AnalyseClassicalKujaDosha(testing::DelhiReading1985());
    ASSERT_TRUE(analysis.has_value());
    struct Case {
        KujaReference reference;
        const char* from;
        const char* house;
        const char* doshaHouse;
        const char* verdict;
    };
    const Case cases[] = {
        {KujaReference::Lagna, "Lagna in Virgo", "11th house", "no", "no dosha"},
        {KujaReference::Moon, "Moon (Chandra) in Cancer", "1st house", "yes",
         "dosha, cancelled by Mars with Jupiter or the Moon"},
        {KujaReference::Venus, "Venus (Shukra) in Gemini", "2nd house", "yes",
         "dosha, cancelled by Mars with Jupiter or the Moon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        const ClassicalRowText row = ClassicalRow(*analysis, c.reference);
        EXPECT_EQ(row.from, c.from);
        EXPECT_EQ(row.house, c.house);
        EXPECT_EQ(row.doshaHouse, c.doshaHouse);
        EXPECT_EQ(row.verdict, c.verdict);
    }
    EXPECT_FALSE(analysis->hasUncancelledDosha());
}

TEST(ClassicalKujaDosha, VerdictNamesEveryRuleThatHoldsInRuleOrder) {
    // Mars in Aries in the 4th from a Lagna in Capricorn, beside Jupiter.
    const ClassicalKujaDosha analysis =
        AnalyseClassicalKujaDosha(KujaSigns{kCapricorn, kGemini, kLibra, kAries, kAries});
    EXPECT_EQ(ClassicalVerdictText(analysis.from(KujaReference::Lagna)),
              "dosha, cancelled by Mars in the 4th in Aries or Scorpio; Mars in its own sign or "
              "exalted; Mars with Jupiter or the Moon");
    EXPECT_EQ(CancellationsThatHold(analysis).size(), 3u);

    // Mars in Gemini in the 7th from the Lagna, with nothing to cancel it.
    const ClassicalKujaDosha plain =
        AnalyseClassicalKujaDosha(KujaSigns{kSagittarius, kAries, kTaurus, kGemini, kPisces});
    EXPECT_EQ(ClassicalVerdictText(plain.from(KujaReference::Lagna)), "dosha");
    EXPECT_EQ(ClassicalStatusWord(plain.from(KujaReference::Lagna).status()), "dosha");
    EXPECT_TRUE(plain.hasUncancelledDosha());
}

TEST(ClassicalKujaDosha, ReadingWithoutKnownSignsIsNotAnalysed) {
    ChartReading reading = testing::DelhiReading1985();
    reading.planetPositionText[kJupiter] = "17 Xyz 15";
    EXPECT_FALSE(AnalyseClassicalKujaDosha(reading).has_value());
}

}  // namespace
}  // namespace orbalis
