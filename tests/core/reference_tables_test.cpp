#include "model/reference_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "model/birth_details.h"

namespace orbalis {
namespace {

TEST(TimeZoneTable, RowSeventyIsYukonWarTimeAndLaterRowsFollowIt) {
    EXPECT_EQ(TimeZoneTable.at(70).text, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(TimeZoneTable.back().text, "Nepal Time,NPT,+5.75");
}

TEST(TimeZoneTable, RowsReadAsTheZoneListShowsThem) {
    struct Case {
        int row;
        const char* text;
        int hours;
        int minutes;
    };
    const Case cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {5, "Australian Central Daylight Time,ACDT,+10.5", -10, -30},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {12, "Baghdad Time, BAT, +3.0", -3, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {31, "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {37, "Iran Time, IT, +3.5", -3, -30},
        {39, "Java Time, JT, +7.5", -7, -30},
        {42, "Moluccas Time, MT, +8.5", -8, -30},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {51, "Nome Time, NT, -11.0", 11, 0},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
        {71, "Afghanistan Time,AFT,+4.5", -4, -30},
        {72, "Australian Central Western Time,ACWST,+8.75", -8, -45},
        {73, "Chatham Standard Time,CHAST,+12.75", -12, -45},
        {74, "Line Islands Time,LINT,+14.0", -14, 0},
        {75, "Marquesas Time,MART,-9.5", 9, 30},
        {76, "Nepal Time,NPT,+5.75", -5, -45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        const TimeZoneRow& row = TimeZoneTable.at(static_cast<std::size_t>(c.row));
        EXPECT_EQ(row.text, c.text);
        EXPECT_EQ(row.hours, c.hours);
        EXPECT_EQ(row.minutes, c.minutes);
    }
}

TEST(TimeZoneTable, OnlyTheListedRowsHaveBlanksAfterTheCommas) {
    const std::set<int> withBlanks = {11, 12, 34, 37, 39, 42, 51, 61};
    for (int row = 0; row < kTimeZoneCount; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const std::string_view text = TimeZoneTable[static_cast<std::size_t>(row)].text;
        EXPECT_EQ(text.find(", ") != std::string_view::npos, withBlanks.count(row) == 1) << text;
    }
}

// Every row's numbers are the negated offset its text shows (decimal hours),
// except row 34, whose "+5.3" stands for 5 h 30 min.
TEST(TimeZoneTable, NumbersAreTheNegatedOffsetOfTheText) {
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZoneRow& zone = TimeZoneTable[static_cast<std::size_t>(row)];
        SCOPED_TRACE(std::string(zone.text));
        EXPECT_TRUE(zone.minutes == 0 || std::abs(zone.minutes) == 30 ||
                    std::abs(zone.minutes) == 45);
        EXPECT_TRUE(zone.minutes == 0 || (zone.minutes > 0) == (zone.hours > 0));
        if (row == 34) continue;
        const std::string offset(zone.text.substr(zone.text.rfind(',') + 1));
        const double shownHours = std::stod(offset);
        EXPECT_DOUBLE_EQ(-(zone.hours + zone.minutes / 60.0), shownHours);
    }
}

TEST(TimeZoneTable, ApplyZoneRowGivesSignedNumbersAndMagnitudes) {
    struct Case {
        int row;
        int hours, minutes, hoursAbs, minutesAbs;
    };
    const Case cases[] = {
        {34, -5, -30, 5, 30}, {50, 3, 30, 3, 30}, {29, 0, 0, 0, 0}, {70, 8, 0, 8, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row));
        BirthDetails birth;
        ApplyZoneRow(birth, c.row);
        EXPECT_EQ(birth.zoneIndex, c.row);
        EXPECT_EQ(birth.zoneHours, c.hours);
        EXPECT_EQ(birth.zoneMinutes, c.minutes);
        EXPECT_EQ(birth.zoneHoursAbs, c.hoursAbs);
        EXPECT_EQ(birth.zoneMinutesAbs, c.minutesAbs);
    }
}

TEST(SignAbbreviations, IndexIsTheSignFromAries) {
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                           "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int k = 0; k < kSignCount; ++k) {
        SCOPED_TRACE(signs[k]);
        EXPECT_EQ(SignAbbreviations[static_cast<std::size_t>(k)], signs[k]);
        EXPECT_EQ(SignIndex(signs[k]), k);
    }
    EXPECT_EQ(SignIndex("ari"), std::nullopt);
    EXPECT_EQ(SignIndex("Aries"), std::nullopt);
    EXPECT_EQ(SignIndex(""), std::nullopt);
}

TEST(SignAbbreviations, NoOtherThreeCharacterTextNamesASign) {
    // Every text of three printable characters, and a few of other bytes,
    // against a plain search of the table.
    auto plainSearch = [](std::string_view text) -> std::optional<int> {
        for (int k = 0; k < kSignCount; ++k)
            if (SignAbbreviations[static_cast<std::size_t>(k)] == text) return k;
        return std::nullopt;
    };
    std::string text(3, ' ');
    int named = 0;
    for (int a = 32; a < 127; ++a) {
        for (int b = 32; b < 127; ++b) {
            for (int c = 32; c < 127; ++c) {
                text[0] = static_cast<char>(a);
                text[1] = static_cast<char>(b);
                text[2] = static_cast<char>(c);
                const std::optional<int> found = SignIndex(text);
                ASSERT_EQ(found, plainSearch(text)) << text;
                if (found) ++named;
            }
        }
    }
    EXPECT_EQ(named, kSignCount);
    for (const char* other : {"\0\0\0", "Ar\xE9", "\xFF\xFF\xFF", "Pi\0"}) {
        EXPECT_EQ(SignIndex(std::string_view(other, 3)), std::nullopt);
    }
}

TEST(NakshatraLordTable, LordsFollowTheNineLordCycle) {
    const char* cycle[] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                           "Rahu", "Jupiter", "Saturn", "Mercury"};
    // Walk the rows, counting each nakshatra once (its second row, or the
    // second spelling of Dhanishtha, continues the one before).
    int nakshatra = -1;
    std::string_view previousLord;
    for (const NakshatraLordRow& row : NakshatraLordTable) {
        SCOPED_TRACE(std::string(row.name));
        if (row.lord != previousLord) ++nakshatra;
        previousLord = row.lord;
        EXPECT_EQ(row.lord, cycle[nakshatra % 9]);
    }
    EXPECT_EQ(nakshatra, 26);
}

TEST(LookupLordAndPada, FirstRowOfTheNakshatraWins) {
    struct Case {
        const char* name;
        const char* nakshatra;
        const char* lagnaSign;
        const char* lord;
        const char* pada;
    };
    const Case cases[] = {
        {"Revati with Aries lagna", "Revati", "Ari", "Mercury", "4"},
        {"Revati with Pisces lagna", "Revati", "Pis", "Mercury", "4"},
        {"Magha", "Magha", "Leo", "Ketu", "4"},
        {"Mrigsira with Gemini lagna still gives the first row", "Mrigsira", "Gem", "Mars", "2"},
        {"Krittika gives its first row", "Krittika", "Tau", "Sun", "1"},
        {"Punarvasu gives its first row", "Punarvasu", "Can", "Jupiter", "3"},
        {"Dhanishtha matches row 30", "Dhanishtha", "Cap", "Mars", "2"},
        {"Aswini", "Aswini", "Sco", "Ketu", "4"},
        {"Uttara Bhadrapada", "Uttara Bhadrapada", "Vir", "Saturn", "4"},
        {"unknown lagna sign leaves both", "Revati", "Xyz", "old lord", "old pada"},
        {"empty lagna sign leaves both", "Revati", "", "old lord", "old pada"},
        {"unknown nakshatra leaves both", "Abhijit", "Ari", "old lord", "old pada"},
        {"names are case-sensitive", "revati", "Ari", "old lord", "old pada"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string lord = "old lord";
        std::string pada = "old pada";
        LookupLordAndPada(c.nakshatra, c.lagnaSign, lord, pada);
        EXPECT_EQ(lord, c.lord);
        EXPECT_EQ(pada, c.pada);
    }
}

}  // namespace
}  // namespace orbalis
