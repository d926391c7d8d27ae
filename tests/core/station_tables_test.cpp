#include "positions/station_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <optional>
#include <string_view>

namespace orbalis {
namespace {

constexpr std::array<RetrogradePlanet, 5> kAllPlanets{
    RetrogradePlanet::Mercury, RetrogradePlanet::Venus, RetrogradePlanet::Mars,
    RetrogradePlanet::Jupiter, RetrogradePlanet::Saturn};

StationMoment Parsed(std::string_view entry) {
    const std::optional<StationMoment> moment = ParseStationEntry(entry);
    EXPECT_TRUE(moment.has_value()) << "malformed entry \"" << entry << "\"";
    return moment.value_or(StationMoment{});
}

TEST(StationTables, CountsAndFirstAndLastRows) {
    struct Case {
        const char* name;
        RetrogradePlanet planet;
        std::size_t rows;
        StationRow first;
        StationRow last;
    };
    const Case cases[] = {
        {"Mercury",
         RetrogradePlanet::Mercury,
         476,
         {"3,15,1900,13,19,", "4,7,1900,18,42,"},
         {"12,1,2050,17,17,", "12,21,2050,11,33,"}},
        {"Venus",
         RetrogradePlanet::Venus,
         95,
         {"6,16,1900,22,56,", "7,30,1900,2,44,"},
         {"9,25,2050,22,15,", "11,6,2050,19,4,"}},
        {"Mars",
         RetrogradePlanet::Mars,
         71,
         {"1,13,1901,6,16,", "4,4,1901,7,21,"},
         {"7,15,2050,5,50,", "9,13,2050,9,41,"}},
        {"Jupiter",
         RetrogradePlanet::Jupiter,
         139,
         {"3,27,1900,20,39,", "7,29,1900,1,35,"},
         {"12,21,2050,13,21,", "4,21,2051,23,46,"}},
        {"Saturn",
         RetrogradePlanet::Saturn,
         146,
         {"4,14,1900,6,2,", "9,2,1900,14,39,"},
         {"5,18,2050,13,6,", "10,6,2050,11,5,"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto table = StationTable(c.planet);
        ASSERT_EQ(table.size(), c.rows);
        EXPECT_EQ(table.front().stationRetrograde, c.first.stationRetrograde);
        EXPECT_EQ(table.front().stationDirect, c.first.stationDirect);
        EXPECT_EQ(table.back().stationRetrograde, c.last.stationRetrograde);
        EXPECT_EQ(table.back().stationDirect, c.last.stationDirect);
    }
}

TEST(StationTables, QuotedRowsArePresentVerbatim) {
    struct Case {
        const char* name;
        RetrogradePlanet planet;
        StationRow row;
    };
    const Case cases[] = {
        {"Mercury 1900", RetrogradePlanet::Mercury, {"3,15,1900,13,19,", "4,7,1900,18,42,"}},
        {"Mercury February 2000",
         RetrogradePlanet::Mercury,
         {"2,21,2000,0,39,", "3,14,2000,20,28,"}},
        {"Mercury June 2000", RetrogradePlanet::Mercury, {"6,23,2000,8,32,", "7,17,2000,13,9,"}},
        {"Mercury October 2000",
         RetrogradePlanet::Mercury,
         {"10,18,2000,13,39,", "11,8,2000,2,32,"}},
        {"Mercury 2050", RetrogradePlanet::Mercury, {"12,1,2050,17,17,", "12,21,2050,11,33,"}},
        {"Venus 2001", RetrogradePlanet::Venus, {"3,9,2001,1,36,", "4,20,2001,5,21,"}},
        {"Mars 2003", RetrogradePlanet::Mars, {"7,29,2003,8,32,", "9,27,2003,7,5,"}},
        {"Jupiter 2000", RetrogradePlanet::Jupiter, {"9,29,2000,0,45,", "1,25,2001,14,49,"}},
        {"Jupiter 2050", RetrogradePlanet::Jupiter, {"12,21,2050,13,21,", "4,21,2051,23,46,"}},
        {"Saturn 2000", RetrogradePlanet::Saturn, {"9,12,2000,10,33,", "1,24,2001,23,10,"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto table = StationTable(c.planet);
        const auto found = std::find_if(table.begin(), table.end(), [&](const StationRow& row) {
            return row.stationRetrograde == c.row.stationRetrograde;
        });
        ASSERT_NE(found, table.end()) << c.row.stationRetrograde;
        EXPECT_EQ(found->stationDirect, c.row.stationDirect);
    }
}

// Every entry is well formed, each period ends after it begins and before the
// next begins, and each begins in 1900 to 2050.
TEST(StationTables, RowsAreInTimeOrderAndWithinTheYears) {
    for (const RetrogradePlanet planet : kAllPlanets) {
        SCOPED_TRACE(static_cast<int>(planet));
        long long previousEnd = 0;
        bool first = true;
        for (const StationRow& row : StationTable(planet)) {
            SCOPED_TRACE(row.stationRetrograde);
            const StationMoment begins = Parsed(row.stationRetrograde);
            const StationMoment ends = Parsed(row.stationDirect);
            EXPECT_GE(begins.year, 1900);
            EXPECT_LE(begins.year, 2050);
            EXPECT_GT(StationMinuteCount(ends), StationMinuteCount(begins));
            if (!first) {
                EXPECT_GT(StationMinuteCount(begins), previousEnd);
            }
            previousEnd = StationMinuteCount(ends);
            first = false;
        }
    }
}

// The compile-time day numbers belong to the text rows of the same planet.
TEST(StationTables, DayTableMatchesTheTextRows) {
    for (const RetrogradePlanet planet : kAllPlanets) {
        SCOPED_TRACE(static_cast<int>(planet));
        const auto rows = StationTable(planet);
        const auto days = StationDayTable(planet);
        ASSERT_EQ(days.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const StationMoment begins = Parsed(rows[i].stationRetrograde);
            const StationMoment ends = Parsed(rows[i].stationDirect);
            const StationDays expected{CivilDayNumber(begins.year, begins.month, begins.day),
                                       CivilDayNumber(ends.year, ends.month, ends.day)};
            EXPECT_EQ(days[i], expected) << rows[i].stationRetrograde;
        }
    }
}

// Lengths in days rounded to whole days, as the ranges are given. Measured
// from the tables: Mercury 19.8 to 24.2 days, Venus 40.9 to 43.2, Mars 59.9 to
// 81.1, Jupiter 117.5 to 123.6, Saturn 133.6 to 141.4.
TEST(StationTables, PeriodLengthsLieInTheKnownRanges) {
    struct Case {
        const char* name;
        RetrogradePlanet planet;
        int shortestDays;
        int longestDays;
    };
    const Case cases[] = {
        {"Mercury", RetrogradePlanet::Mercury, 19, 24},
        {"Venus", RetrogradePlanet::Venus, 40, 43},
        {"Mars", RetrogradePlanet::Mars, 59, 81},
        {"Jupiter", RetrogradePlanet::Jupiter, 116, 124},
        {"Saturn", RetrogradePlanet::Saturn, 133, 141},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const StationRow& row : StationTable(c.planet)) {
            const long long minutes = StationMinuteCount(Parsed(row.stationDirect)) -
                                      StationMinuteCount(Parsed(row.stationRetrograde));
            const long long days = std::llround(static_cast<double>(minutes) / 1440.0);
            EXPECT_GE(days, c.shortestDays) << row.stationRetrograde << " to " << row.stationDirect;
            EXPECT_LE(days, c.longestDays) << row.stationRetrograde << " to " << row.stationDirect;
        }
    }
}

TEST(StationTables, ParseStationEntry) {
    struct Case {
        const char* name;
        std::string_view entry;
        std::optional<StationMoment> expected;
    };
    const Case cases[] = {
        {"plain entry", "3,15,1900,13,19,", StationMoment{3, 15, 1900, 13, 19}},
        {"zero hour and minute", "2,21,2000,0,0,", StationMoment{2, 21, 2000, 0, 0}},
        {"largest fields", "12,31,2050,23,59,", StationMoment{12, 31, 2050, 23, 59}},
        {"no comma after the last field", "3,15,1900,13,19", std::nullopt},
        {"a sixth field", "3,15,1900,13,19,7,", std::nullopt},
        {"leading zero", "03,15,1900,13,19,", std::nullopt},
        {"empty field", "3,,1900,13,19,", std::nullopt},
        {"month 13", "13,1,1900,13,19,", std::nullopt},
        {"month 0", "0,1,1900,13,19,", std::nullopt},
        {"day 32", "1,32,1900,13,19,", std::nullopt},
        {"hour 24", "1,1,1900,24,0,", std::nullopt},
        {"minute 60", "1,1,1900,23,60,", std::nullopt},
        {"a letter", "1,1,19o0,23,5,", std::nullopt},
        {"a blank", "1, 1,1900,23,5,", std::nullopt},
        {"a sign", "-1,1,1900,23,5,", std::nullopt},
        {"empty text", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseStationEntry(c.entry), c.expected);
    }
}

// Day numbers agree with the standard library's calendar on every day around
// the tables' years, leap days included.
TEST(StationTables, CivilDayNumberAgreesWithTheCalendar) {
    using namespace std::chrono;
    for (sys_days day = sys_days{1799y / January / 1}; day <= sys_days{2101y / December / 31};
         day += days{1}) {
        const year_month_day date{day};
        const int number = CivilDayNumber(static_cast<int>(date.year()),
                                          static_cast<int>(static_cast<unsigned>(date.month())),
                                          static_cast<int>(static_cast<unsigned>(date.day())));
        ASSERT_EQ(number, day.time_since_epoch().count())
            << static_cast<int>(date.year()) << "-" << static_cast<unsigned>(date.month()) << "-"
            << static_cast<unsigned>(date.day());
    }
    // A day past the end of its month continues into the next month.
    EXPECT_EQ(CivilDayNumber(1900, 2, 29), CivilDayNumber(1900, 3, 1));
    EXPECT_EQ(CivilDayNumber(2000, 2, 30), CivilDayNumber(2000, 3, 1));
}

TEST(StationTables, AreInTimeOrderRefusesBadTables) {
    struct Case {
        const char* name;
        std::array<StationRow, 2> rows;
        bool expected;
    };
    const Case cases[] = {
        {"two periods in order",
         {{{"2,21,2000,0,39,", "3,14,2000,20,28,"}, {"6,23,2000,8,32,", "7,17,2000,13,9,"}}},
         true},
        {"next period begins on the day the last ends, a minute later",
         {{{"2,21,2000,0,39,", "3,14,2000,20,28,"}, {"3,14,2000,20,29,", "4,1,2000,0,0,"}}},
         true},
        {"next period begins at the minute the last ends",
         {{{"2,21,2000,0,39,", "3,14,2000,20,28,"}, {"3,14,2000,20,28,", "4,1,2000,0,0,"}}},
         false},
        {"periods overlap",
         {{{"2,21,2000,0,39,", "3,14,2000,20,28,"}, {"3,1,2000,0,0,", "4,1,2000,0,0,"}}},
         false},
        {"rows out of order",
         {{{"6,23,2000,8,32,", "7,17,2000,13,9,"}, {"2,21,2000,0,39,", "3,14,2000,20,28,"}}},
         false},
        {"period ends before it begins",
         {{{"3,14,2000,20,28,", "2,21,2000,0,39,"}, {"6,23,2000,8,32,", "7,17,2000,13,9,"}}},
         false},
        {"period ends at the minute it begins",
         {{{"2,21,2000,0,39,", "2,21,2000,0,39,"}, {"6,23,2000,8,32,", "7,17,2000,13,9,"}}},
         false},
        {"malformed entry",
         {{{"2,21,2000,0,39,", "3,14,2000,20,28"}, {"6,23,2000,8,32,", "7,17,2000,13,9,"}}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AreInTimeOrder(c.rows), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
