#include "positions/retrogrades.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "positions/station_tables.h"

namespace orbalis {
namespace {

constexpr std::array<RetrogradePlanet, 5> kAllPlanets{
    RetrogradePlanet::Mercury, RetrogradePlanet::Venus, RetrogradePlanet::Mars,
    RetrogradePlanet::Jupiter, RetrogradePlanet::Saturn};

TEST(IsRetrograde, DatesAroundStations) {
    struct Case {
        const char* name;
        RetrogradePlanet planet;
        CivilDate date;
        bool expected;
    };
    const Case cases[] = {
        // Mercury, 21 February to 14 March 2000.
        {"Mercury on the day it turns retrograde", RetrogradePlanet::Mercury, {2000, 2, 21}, false},
        {"Mercury the day after", RetrogradePlanet::Mercury, {2000, 2, 22}, true},
        {"Mercury the day before it turns direct", RetrogradePlanet::Mercury, {2000, 3, 13}, true},
        {"Mercury on the day it turns direct", RetrogradePlanet::Mercury, {2000, 3, 14}, false},
        {"Mercury between two periods", RetrogradePlanet::Mercury, {2000, 5, 1}, false},
        // Ends of the tables.
        {"Mercury before its first row", RetrogradePlanet::Mercury, {1900, 3, 14}, false},
        {"Mercury inside its first row", RetrogradePlanet::Mercury, {1900, 3, 16}, true},
        {"Mars before its first row", RetrogradePlanet::Mars, {1901, 1, 1}, false},
        {"Mars inside its first row", RetrogradePlanet::Mars, {1901, 1, 14}, true},
        {"Mercury inside its last row", RetrogradePlanet::Mercury, {2050, 12, 20}, true},
        {"Mercury after its last row", RetrogradePlanet::Mercury, {2050, 12, 25}, false},
        {"Jupiter inside its last row, in 2051", RetrogradePlanet::Jupiter, {2051, 4, 20}, true},
        {"Jupiter on the last direct station", RetrogradePlanet::Jupiter, {2051, 4, 21}, false},
        {"Saturn long after the tables", RetrogradePlanet::Saturn, {2100, 6, 1}, false},
        {"Venus long before the tables", RetrogradePlanet::Venus, {1850, 6, 1}, false},
        // Jupiter, 29 September 2000 to 25 January 2001, across the year end.
        {"Jupiter on its station day", RetrogradePlanet::Jupiter, {2000, 9, 29}, false},
        {"Jupiter on 31 December 2000", RetrogradePlanet::Jupiter, {2000, 12, 31}, true},
        {"Jupiter on 1 January 2001", RetrogradePlanet::Jupiter, {2001, 1, 1}, true},
        {"Jupiter on 24 January 2001", RetrogradePlanet::Jupiter, {2001, 1, 24}, true},
        {"Jupiter on 25 January 2001", RetrogradePlanet::Jupiter, {2001, 1, 25}, false},
        // One date inside a quoted period of each other planet.
        {"Venus, March 2001", RetrogradePlanet::Venus, {2001, 3, 10}, true},
        {"Mars, August 2003", RetrogradePlanet::Mars, {2003, 8, 27}, true},
        {"Mars on its direct station, 2003", RetrogradePlanet::Mars, {2003, 9, 27}, false},
        {"Saturn, 29 February 2000 is before its period",
         RetrogradePlanet::Saturn,
         {2000, 2, 29},
         false},
        {"Saturn, 24 January 2001 is its direct station",
         RetrogradePlanet::Saturn,
         {2001, 1, 24},
         false},
        {"Saturn, 23 January 2001", RetrogradePlanet::Saturn, {2001, 1, 23}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsRetrograde(c.planet, c.date), c.expected);
    }
}

// The lookup as the rule reads: split each entry at its commas, then walk
// every row and compare calendar dates. Used to check the searched lookup.
struct WalkedPeriod {
    std::chrono::sys_days retrogradeDate;
    std::chrono::sys_days directDate;
};

std::chrono::sys_days DateOfEntry(std::string_view entry) {
    std::istringstream fields{std::string(entry)};
    std::string month, day, year;
    std::getline(fields, month, ',');
    std::getline(fields, day, ',');
    std::getline(fields, year, ',');
    return std::chrono::sys_days{
        std::chrono::year_month_day{std::chrono::year{std::stoi(year)},
                                    std::chrono::month{static_cast<unsigned>(std::stoi(month))},
                                    std::chrono::day{static_cast<unsigned>(std::stoi(day))}}};
}

bool IsRetrogradeByWalkingTheRows(const std::vector<WalkedPeriod>& periods,
                                  std::chrono::sys_days birth) {
    for (const WalkedPeriod& period : periods) {
        const auto r = (period.retrogradeDate - birth).count();
        const auto d = (period.directDate - birth).count();
        if (r < 0 && d > 0) return true;
    }
    return false;
}

TEST(IsRetrograde, AgreesWithWalkingTheRowsOnEveryDay) {
    using namespace std::chrono;
    for (const RetrogradePlanet planet : kAllPlanets) {
        SCOPED_TRACE(static_cast<int>(planet));
        std::vector<WalkedPeriod> periods;
        for (const StationRow& row : StationTable(planet)) {
            periods.push_back({DateOfEntry(row.stationRetrograde), DateOfEntry(row.stationDirect)});
        }
        // Every tenth day, then every day of a stretch with many stations.
        std::vector<sys_days> days;
        for (sys_days day{1899y / December / 1}; day <= sys_days{2051y / December / 31};
             day += std::chrono::days{10}) {
            days.push_back(day);
        }
        for (sys_days day{1999y / January / 1}; day <= sys_days{2004y / December / 31};
             day += std::chrono::days{1}) {
            days.push_back(day);
        }
        // The lookup starts from the birth year's first period: the days
        // either side of every New Year.
        for (int y = 1899; y <= 2052; ++y) {
            const sys_days newYear{year{y} / January / 1};
            for (int offset = -2; offset <= 1; ++offset)
                days.push_back(newYear + std::chrono::days{offset});
        }
        // And the days on and around each station.
        for (const StationDays& period : StationDayTable(planet)) {
            for (int offset = -1; offset <= 1; ++offset) {
                days.push_back(sys_days{std::chrono::days{period.retrogradeDay + offset}});
                days.push_back(sys_days{std::chrono::days{period.directDay + offset}});
            }
        }
        for (const sys_days day : days) {
            const year_month_day date{day};
            const CivilDate civil{static_cast<int>(date.year()),
                                  static_cast<int>(static_cast<unsigned>(date.month())),
                                  static_cast<int>(static_cast<unsigned>(date.day()))};
            ASSERT_EQ(IsRetrograde(planet, civil), IsRetrogradeByWalkingTheRows(periods, day))
                << civil.year << "-" << civil.month << "-" << civil.day;
        }
        // A day past the end of its month counts on into the next, even into
        // the next year.
        for (const sys_days day : days) {
            const year_month_day date{day};
            if (date.day() != std::chrono::day{1}) continue;
            const year_month_day before{day - std::chrono::days{1}};
            const CivilDate overrun{static_cast<int>(before.year()),
                                    static_cast<int>(static_cast<unsigned>(before.month())),
                                    static_cast<int>(static_cast<unsigned>(before.day())) + 1};
            ASSERT_EQ(IsRetrograde(planet, overrun), IsRetrogradeByWalkingTheRows(periods, day))
                << overrun.year << "-" << overrun.month << "-" << overrun.day;
        }
    }
}

BirthDetails Birth(int year, int month, int day, int hour, int minute) {
    BirthDetails birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    return birth;
}

TEST(RetrogradeLookupDate, HourTwentyFourIsTheNextDay) {
    struct Case {
        const char* name;
        BirthDetails birth;
        CivilDate expected;
    };
    const Case cases[] = {
        {"midnight", Birth(2000, 2, 21, 0, 0), {2000, 2, 21}},
        {"23:59", Birth(2000, 2, 21, 23, 59), {2000, 2, 21}},
        {"24:00", Birth(2000, 2, 21, 24, 0), {2000, 2, 22}},
        {"24:59 at a month end", Birth(2000, 4, 30, 24, 59), {2000, 5, 1}},
        {"24:00 on 28 February of a leap year", Birth(2000, 2, 28, 24, 0), {2000, 2, 29}},
        {"24:00 on 29 February", Birth(2000, 2, 29, 24, 0), {2000, 3, 1}},
        {"24:00 on 28 February of a common year", Birth(2001, 2, 28, 24, 0), {2001, 3, 1}},
        {"24:00 on 30 November", Birth(2000, 11, 30, 24, 0), {2000, 12, 1}},
        {"24:00 on 31 December", Birth(2000, 12, 31, 24, 0), {2001, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CivilDate actual = RetrogradeLookupDate(c.birth);
        EXPECT_EQ(actual.year, c.expected.year);
        EXPECT_EQ(actual.month, c.expected.month);
        EXPECT_EQ(actual.day, c.expected.day);
    }
}

BodyTexts PlainSanskritNames() {
    return {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
            "Shani", "Rahu",    "Ketu",  "Lagna",  "Madhya"};
}

TEST(MarkRetrogrades, AppendsTheMarkToEachRetrogradePlanet) {
    struct Case {
        const char* name;
        BirthDetails birth;
        std::array<int, 5> markedBodies;  // body indices, 0 for none
    };
    auto westOfGreenwich = [](BirthDetails birth) {
        birth.zoneHours = 5;  // clock + 5 h = universal time
        birth.zoneHoursAbs = 5;
        return birth;
    };
    const Case cases[] = {
        {"nothing retrograde", Birth(2000, 5, 1, 12, 0), {}},
        {"Mercury, Jupiter and Saturn together",
         Birth(2000, 11, 1, 12, 0),
         {kMercury, kJupiter, kSaturn}},
        {"Mars alone", Birth(2003, 8, 10, 12, 0), {kMars}},
        {"Venus alone", Birth(2001, 3, 10, 12, 0), {kVenus}},
        // 23:30 five hours west of Greenwich is 22 February in universal time;
        // the civil date is the station day all the same.
        {"station day at 23:30", westOfGreenwich(Birth(2000, 2, 21, 23, 30)), {}},
        {"hour 24 on the eve of Mercury's first marked day", Birth(2000, 2, 21, 24, 0), {kMercury}},
        {"hour 24 on the eve of Mercury's direct station", Birth(2000, 3, 13, 24, 30), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartReading reading;
        reading.planetSanskritName = PlainSanskritNames();
        BodyTexts expected = PlainSanskritNames();
        for (const int body : c.markedBodies) {
            if (body != 0) expected[body] += " (R) ";
        }
        MarkRetrogrades(c.birth, reading);
        EXPECT_EQ(reading.planetSanskritName, expected);
    }
}

}  // namespace
}  // namespace orbalis
