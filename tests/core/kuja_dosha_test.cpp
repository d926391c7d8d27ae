#include "dosha/kuja_dosha.h"
#include "support/sample_readings.h"

#include <gtest/gtest.h>

#include <string>

namespace orbalis {
namespace {

// A position text in the sign with this abbreviation.
std::string In(const char* sign) {
    return std::string("15 ") + sign + " 30";
}

TEST(DetermineKujaDosha, DelhiReadingFromLagnaAndFromChandra) {
    const ChartReading reading = testing::DelhiReading1985();

    const KujaDoshaLines lagna =
        DetermineKujaDosha(reading, reading.planetPositionText[kAscendant], "Mars", true);
    EXPECT_EQ(lagna.position, "Position of Mars from Lagna is 11");
    EXPECT_EQ(lagna.percentage, "Percentage of Kuja dosha is 0.125%");
    EXPECT_EQ(lagna.verdict, "The person is Manglik");

    const KujaDoshaLines chandra =
        DetermineKujaDosha(reading, reading.planetPositionText[kMoon], "Moon", false);
    EXPECT_EQ(chandra.position, "Position of Mars from Chandra is 1");
    EXPECT_EQ(chandra.percentage, "Percentage of Kuja dosha is 0.125%");
    EXPECT_EQ(chandra.verdict, "The person is Manglik");
}

TEST(DetermineKujaDosha, MarsHouseCountsWholeSignsFromTheReference) {
    struct Case {
        const char* name;
        const char* reference;
        const char* mars;
        const char* expected;
    };
    const Case cases[] = {
        {"Mars in the reference sign", "Leo", "Leo", "Position of Mars from Lagna is 1"},
        {"Mars in the sign before", "Leo", "Can", "Position of Mars from Lagna is 12"},
        {"sign before Aries wraps to Pisces", "Ari", "Pis", "Position of Mars from Lagna is 12"},
        {"Lagna in Aries, Mars in Cancer", "Ari", "Can", "Position of Mars from Lagna is 4"},
        {"seventh house has no leading zero", "Tau", "Sco", "Position of Mars from Lagna is 7"},
        {"count wraps past Pisces", "Sag", "Tau", "Position of Mars from Lagna is 6"},
        {"tenth house", "Pis", "Sag", "Position of Mars from Lagna is 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartReading reading = testing::DelhiReading1985();
        reading.planetPositionText[kMars] = In(c.mars);
        EXPECT_EQ(DetermineKujaDosha(reading, In(c.reference), "Mars", true).position, c.expected);
    }
}

TEST(DetermineKujaDosha, SearchedBodySignSetsPercentageAndVerdict) {
    struct Case {
        const char* name;
        const char* sign;
        const char* percentage;
        const char* verdict;
    };
    const Case cases[] = {
        {"Aries", "Ari", "Percentage of Kuja dosha is 50%", "The person is Manglik"},
        {"Taurus", "Tau", "Percentage of Kuja dosha is 0.0625%", "The person is Manglik"},
        {"Gemini", "Gem", "Percentage of Kuja dosha is 0%", "The person is Non Manglik"},
        {"Cancer", "Can", "Percentage of Kuja dosha is 0.125%", "The person is Manglik"},
        {"Leo", "Leo", "Percentage of Kuja dosha is 0%", "The person is Non Manglik"},
        {"Virgo", "Vir", "Percentage of Kuja dosha is 0%", "The person is Non Manglik"},
        {"Libra", "Lib", "Percentage of Kuja dosha is 25%", "The person is Manglik"},
        {"Scorpio", "Sco", "Percentage of Kuja dosha is 100%", "The person is Manglik"},
        {"Sagittarius", "Sag", "Percentage of Kuja dosha is 0%", "The person is Non Manglik"},
        {"Capricorn", "Cap", "Percentage of Kuja dosha is 0%", "The person is Non Manglik"},
        {"Aquarius", "Aqu", "Percentage of Kuja dosha is 0%", "The person is Non Manglik"},
        {"Pisces", "Pis", "Percentage of Kuja dosha is 0.0625%", "The person is Manglik"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Mars searched from the Lagna: the percentage follows Mars's sign,
        // whatever the Lagna.
        for (const char* lagna : {"Ari", "Vir", "Pis"}) {
            SCOPED_TRACE(lagna);
            ChartReading reading = testing::DelhiReading1985();
            reading.planetPositionText[kMars] = In(c.sign);
            const KujaDoshaLines lines = DetermineKujaDosha(reading, In(lagna), "Mars", true);
            EXPECT_EQ(lines.percentage, c.percentage);
            EXPECT_EQ(lines.verdict, c.verdict);
        }
        // The Moon searched from itself: the percentage follows the Moon's
        // sign; Mars stays in Cancer.
        ChartReading reading = testing::DelhiReading1985();
        reading.planetPositionText[kMoon] = In(c.sign);
        const KujaDoshaLines lines =
            DetermineKujaDosha(reading, reading.planetPositionText[kMoon], "Moon", false);
        EXPECT_EQ(lines.percentage, c.percentage);
        EXPECT_EQ(lines.verdict, c.verdict);
    }
}

TEST(DetermineKujaDosha, ChandraChartCountsMarsFromTheMoonButRatesTheMoonsSign) {
    ChartReading reading = testing::DelhiReading1985();
    reading.planetPositionText[kMoon] = "03 Lib 44";
    reading.planetPositionText[kMars] = "11 Leo 02";  // Mars alone would give 0%

    const KujaDoshaLines chandra =
        DetermineKujaDosha(reading, reading.planetPositionText[kMoon], "Moon", false);
    EXPECT_EQ(chandra.position, "Position of Mars from Chandra is 11");
    EXPECT_EQ(chandra.percentage, "Percentage of Kuja dosha is 25%");
    EXPECT_EQ(chandra.verdict, "The person is Manglik");

    // The same reading counted from the Lagna in Virgo is not Manglik.
    const KujaDoshaLines lagna =
        DetermineKujaDosha(reading, reading.planetPositionText[kAscendant], "Mars", true);
    EXPECT_EQ(lagna.position, "Position of Mars from Lagna is 12");
    EXPECT_EQ(lagna.percentage, "Percentage of Kuja dosha is 0%");
    EXPECT_EQ(lagna.verdict, "The person is Non Manglik");
}

TEST(DetermineKujaDosha, UnreadableSignGivesNoVerdict) {
    struct Case {
        const char* name;
        const char* reference;
        const char* mars;
        const char* searchedBody;
    };
    const Case cases[] = {
        {"empty reference", "", "20 Can 05", "Mars"},
        {"reference with unknown sign", "20 Xyz 05", "20 Can 05", "Mars"},
        {"Mars not yet computed", "28 Vir 57", "", "Mars"},
        {"Mars text cut short", "28 Vir 57", "20 Ca", "Mars"},
        {"unknown searched body", "28 Vir 57", "20 Can 05", "Pluto"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartReading reading = testing::DelhiReading1985();
        reading.planetPositionText[kMars] = c.mars;
        const KujaDoshaLines lines = DetermineKujaDosha(reading, c.reference, c.searchedBody, true);
        EXPECT_EQ(lines.position, "");
        EXPECT_EQ(lines.percentage, "");
        EXPECT_EQ(lines.verdict, "");
        EXPECT_EQ(CountKujaDosha(reading, c.reference, c.searchedBody), std::nullopt);
    }
}

TEST(CountKujaDosha, HouseAndPercentageAreWhatTheLinesSay) {
    struct Case {
        const char* name;
        const char* reference;
        const char* mars;
        const char* searchedBody;
        KujaDoshaCount expected;
    };
    const Case cases[] = {
        {"Mars in the reference sign, Aries", "01 Ari 00", "15 Ari 30", "Mars", {1, "50%", true}},
        {"Mars twelfth, Cancer", "02 Leo 00", "15 Can 30", "Mars", {12, "0.125%", true}},
        {"Mars seventh in Scorpio", "29 Tau 59", "15 Sco 30", "Mars", {7, "100%", true}},
        {"Mars in Gemini is no dosha", "05 Sag 10", "15 Gem 30", "Mars", {7, "0%", false}},
        {"Moon searched: its own sign rates", "03 Lib 44", "11 Leo 02", "Moon", {11, "25%", true}},
        {"Moon in Capricorn", "10 Cap 00", "11 Pis 02", "Moon", {3, "0%", false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartReading reading = testing::DelhiReading1985();
        reading.planetPositionText[kMars] = c.mars;
        reading.planetPositionText[kMoon] = c.reference;
        EXPECT_EQ(CountKujaDosha(reading, c.reference, c.searchedBody), c.expected);
        const KujaDoshaLines lines = DetermineKujaDosha(reading, c.reference, c.searchedBody, true);
        EXPECT_EQ(lines.position,
                  "Position of Mars from Lagna is " + std::to_string(c.expected.marsHouse));
        EXPECT_EQ(lines.percentage,
                  "Percentage of Kuja dosha is " + std::string(c.expected.percentage));
        EXPECT_EQ(lines.verdict,
                  c.expected.manglik ? "The person is Manglik" : "The person is Non Manglik");
    }
}

TEST(SignOfPositionText, ReadsCharactersFourToSix) {
    EXPECT_EQ(SignOfPositionText("28 Vir 57"), 5);
    EXPECT_EQ(SignOfPositionText("00 Ari 00"), 0);
    EXPECT_EQ(SignOfPositionText("29 Pis 59"), 11);
    EXPECT_EQ(SignOfPositionText("28 vir 57"), std::nullopt);
    EXPECT_EQ(SignOfPositionText("28 Vi"), std::nullopt);
}

}  // namespace
}  // namespace orbalis
