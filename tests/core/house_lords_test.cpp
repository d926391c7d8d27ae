#include <gtest/gtest.h>

#include <string>

#include "dosha/interpretation_texts.h"
#include "dosha/kuja_dosha.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

TEST(HouseLordLines, DelhiReadingWithLagnaInVirgo) {
    struct Case {
        const char* name;
        int house;
        int lordHouse;
        const char* prefix;
    };
    const Case cases[] = {
        {"Virgo: Mercury in Cancer", 1, 11, "Lord of the 1st house (Mercury) in the 11th house: "},
        {"Libra: Venus in Gemini", 2, 10, "Lord of the 2nd house (Venus) in the 10th house: "},
        {"Scorpio: Mars in Cancer", 3, 11, "Lord of the 3rd house (Mars) in the 11th house: "},
        {"Sagittarius: Jupiter in Capricorn", 4, 5,
         "Lord of the 4th house (Jupiter) in the 5th house: "},
        {"Capricorn: Saturn in Libra", 5, 2, "Lord of the 5th house (Saturn) in the 2nd house: "},
        {"Aquarius: Saturn in Libra", 6, 2, "Lord of the 6th house (Saturn) in the 2nd house: "},
        {"Pisces: Jupiter in Capricorn", 7, 5,
         "Lord of the 7th house (Jupiter) in the 5th house: "},
        {"Aries: Mars in Cancer", 8, 11, "Lord of the 8th house (Mars) in the 11th house: "},
        {"Taurus: Venus in Gemini", 9, 10, "Lord of the 9th house (Venus) in the 10th house: "},
        {"Gemini: Mercury in Cancer", 10, 11,
         "Lord of the 10th house (Mercury) in the 11th house: "},
        {"Cancer: Moon in Cancer", 11, 11, "Lord of the 11th house (Moon) in the 11th house: "},
        {"Leo: Sun in Cancer", 12, 11, "Lord of the 12th house (Sun) in the 11th house: "},
    };
    const std::array<std::string, 12> lines = HouseLordLines(testing::DelhiReading1985());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string expected =
            std::string(c.prefix) + std::string(HouseLordTexts[c.house - 1][c.lordHouse - 1]);
        EXPECT_EQ(lines[c.house - 1], expected);
    }
}

// The table is keyed by the house whose lord is meant first, then the house
// the lord stands in; the quoted entries tell the two apart.
TEST(HouseLordLines, PicksTheTextByLordsHouseThenOccupiedHouse) {
    struct Case {
        const char* name;
        const char* mars;
        const char* venus;
        int line;
        const char* expected;
    };
    const Case cases[] = {
        {"lord of the 1st in the 1st", "05 Ari 10", "05 Tau 10", 1,
         "Lord of the 1st house (Mars) in the 1st house: You will be beautiful mentally and "
         "physically. You will be intelligent and interested in the opposite sex."},
        {"lord of the 1st in the 4th", "05 Can 10", "05 Tau 10", 1,
         "Lord of the 1st house (Mars) in the 4th house: You will have a charming personality. "
         "You will receive a lot of love from your mother and father."},
        {"lord of the 2nd in the 4th", "05 Ari 10", "05 Can 10", 2,
         "Lord of the 2nd house (Venus) in the 4th house: You will acquire great riches."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartReading reading = testing::DelhiReading1985();
        reading.planetPositionText[kAscendant] = "12 Ari 40";
        reading.planetPositionText[kMars] = c.mars;
        reading.planetPositionText[kVenus] = c.venus;
        EXPECT_EQ(HouseLordLines(reading)[c.line - 1], c.expected);
    }
}

TEST(HouseLordLines, UnreadableSignsLeaveTheirLinesEmpty) {
    ChartReading reading = testing::DelhiReading1985();
    reading.planetPositionText[kJupiter] = "";  // lord of the 4th and 7th from Virgo
    const std::array<std::string, 12> lines = HouseLordLines(reading);
    for (int house = 1; house <= 12; ++house) {
        SCOPED_TRACE(house);
        EXPECT_EQ(lines[house - 1].empty(), house == 4 || house == 7);
    }

    reading.planetPositionText[kAscendant] = "";
    for (const std::string& line : HouseLordLines(reading)) EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace orbalis
