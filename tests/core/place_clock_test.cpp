#include "clock/place_clock.h"
#include "model/utc_offset.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "clock/place_clock_text.h"
#include "clock/posix_zone_rule.h"
#include "clock/zone_row_choice.h"

namespace orbalis {
namespace {

constexpr int kHour = 3600;
constexpr int kNoRow = -1;
using Kind = LocalTimeKind;

// Clocks as the time zone database gives them, and the zone row and tick the
// birth-details form then gets.
TEST(ClockAt, HistoricalClocksAndTheirZoneRows) {
    struct Case {
        const char* name;
        const char* zone;
        int year, month, day, hour, minute;
        int offset, standard;
        bool daylight;
        const char* abbreviation;
        Kind kind;
        int otherOffset;
        int row;
        bool rowDaylight;
    };
    const Case cases[] = {
        {"Kolkata war time, 1943", "Asia/Kolkata", 1943, 6, 1, 12, 0, 23400, 19800, true, "+0630",
         Kind::Normal, 23400, 34, true},
        {"Kolkata, Madras time 1903", "Asia/Kolkata", 1903, 1, 1, 12, 0, 19270, 19270, false, "MMT",
         Kind::Normal, 19270, kNoRow, false},
        {"Kolkata 1985", "Asia/Kolkata", 1985, 8, 15, 10, 30, 19800, 19800, false, "IST",
         Kind::Normal, 19800, 34, false},
        {"London double summer time, 1941", "Europe/London", 1941, 6, 1, 12, 0, 2 * kHour, 0, true,
         "BDST", Kind::Normal, 2 * kHour, 16, true},
        {"London summer 1976", "Europe/London", 1976, 7, 4, 12, 0, kHour, 0, true, "BST",
         Kind::Normal, kHour, 29, true},
        {"New York, 3 November 1971 23:05", "America/New_York", 1971, 11, 3, 23, 5, -5 * kHour,
         -5 * kHour, false, "EST", Kind::Normal, -5 * kHour, 27, false},
        {"New York, 4 July 1976 20:15", "America/New_York", 1976, 7, 4, 20, 15, -4 * kHour,
         -5 * kHour, true, "EDT", Kind::Normal, -4 * kHour, 27, true},
        {"New York summer after the listed changes", "America/New_York", 2045, 7, 4, 12, 0,
         -4 * kHour, -5 * kHour, true, "EDT", Kind::Normal, -4 * kHour, 27, true},
        {"New York winter after the listed changes", "America/New_York", 2045, 12, 24, 12, 0,
         -5 * kHour, -5 * kHour, false, "EST", Kind::Normal, -5 * kHour, 27, false},
        {"Sydney summer, southern hemisphere", "Australia/Sydney", 2000, 1, 15, 12, 0, 11 * kHour,
         10 * kHour, true, "AEDT", Kind::Normal, 11 * kHour, 8, true},
        {"Sydney summer 2040", "Australia/Sydney", 2040, 1, 15, 12, 0, 11 * kHour, 10 * kHour, true,
         "AEDT", Kind::Normal, 11 * kHour, 8, true},
        {"New York 2:30 on 14 March 2021 never happened", "America/New_York", 2021, 3, 14, 2, 30,
         -5 * kHour, -5 * kHour, false, "EST", Kind::Skipped, -4 * kHour, 27, false},
        {"New York 2:30 on 12 March 2045 never happened", "America/New_York", 2045, 3, 12, 2, 30,
         -5 * kHour, -5 * kHour, false, "EST", Kind::Skipped, -4 * kHour, 27, false},
        {"New York 1:30 on 7 November 2021 happened twice", "America/New_York", 2021, 11, 7, 1, 30,
         -4 * kHour, -5 * kHour, true, "EDT", Kind::Repeated, -5 * kHour, 27, true},
        {"Sydney 2:30 on 2 April 2045 happened twice", "Australia/Sydney", 2045, 4, 2, 2, 30,
         11 * kHour, 10 * kHour, true, "AEDT", Kind::Repeated, 10 * kHour, 8, true},
        {"Dublin winter counts as standard time", "Europe/Dublin", 1990, 1, 15, 12, 0, 0, 0, false,
         "GMT", Kind::Normal, 0, 29, false},
        {"Dublin summer counts as daylight saving", "Europe/Dublin", 1990, 7, 15, 12, 0, kHour, 0,
         true, "IST", Kind::Normal, kHour, 29, true},
        {"Dublin summer 2040", "Europe/Dublin", 2040, 7, 15, 12, 0, kHour, 0, true, "IST",
         Kind::Normal, kHour, 29, true},
        {"Kathmandu", "Asia/Kathmandu", 2000, 1, 1, 12, 0, 20700, 20700, false, "+0545",
         Kind::Normal, 20700, 76, false},
        {"Kabul", "Asia/Kabul", 2000, 1, 1, 12, 0, 16200, 16200, false, "+0430", Kind::Normal,
         16200, 71, false},
        {"Chatham summer", "Pacific/Chatham", 2000, 1, 1, 12, 0, 49500, 45900, true, "+1345",
         Kind::Normal, 49500, 73, true},
        {"Marquesas, not Hawaiian daylight time", "Pacific/Marquesas", 2000, 1, 1, 12, 0, -34200,
         -34200, false, "-0930", Kind::Normal, -34200, 75, false},
        {"Eucla", "Australia/Eucla", 2000, 1, 1, 12, 0, 31500, 31500, false, "+0845", Kind::Normal,
         31500, 72, false},
        {"Lord Howe summer is only half an hour ahead", "Australia/Lord_Howe", 2000, 1, 15, 12, 0,
         39600, 37800, true, "+11", Kind::Normal, 39600, 7, false},
        {"hour 24 is midnight starting the next day", "America/New_York", 1976, 7, 3, 24, 0,
         -4 * kHour, -5 * kHour, true, "EDT", Kind::Normal, -4 * kHour, 27, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<PlaceClock> clock =
            ClockAt(c.zone, c.year, c.month, c.day, c.hour, c.minute);
        ASSERT_TRUE(clock.has_value());
        EXPECT_EQ(clock->utcOffsetSeconds, c.offset);
        EXPECT_EQ(clock->standardOffsetSeconds, c.standard);
        EXPECT_EQ(clock->daylightSaving, c.daylight);
        EXPECT_EQ(clock->abbreviation, c.abbreviation);
        EXPECT_EQ(clock->kind, c.kind);
        EXPECT_EQ(clock->otherUtcOffsetSeconds, c.otherOffset);
        const ZoneRowChoice choice = ChooseZoneRow(*clock);
        EXPECT_EQ(choice.zoneIndex.value_or(kNoRow), c.row);
        EXPECT_EQ(choice.daylightSaving, c.rowDaylight);
    }
}

TEST(ClockAt, NothingForUnknownZonesOrTimes) {
    EXPECT_TRUE(ClockDatabaseAvailable());
    EXPECT_FALSE(ClockAt("Asia/Atlantis", 2000, 1, 1, 0, 0));
    EXPECT_FALSE(ClockAt("", 2000, 1, 1, 0, 0));
    EXPECT_FALSE(ClockAt("Asia/Kolkata", 2000, 13, 1, 0, 0));
    EXPECT_FALSE(ClockAt("Asia/Kolkata", 2000, 1, 1, 25, 0));
    EXPECT_FALSE(ClockAt("Europe/Madrid", 1990, 2, 30, 12, 0));  // not 2 March
}

// Run by the clock_without_database test, which hides the zone folder.
TEST(ClockWithoutDatabase, SaysSoAndGivesNoClock) {
    if (!std::getenv("ORBALIS_ZONE_FOLDER_HIDDEN")) GTEST_SKIP() << "needs the zone folder hidden";
    EXPECT_FALSE(ClockDatabaseAvailable());
    EXPECT_FALSE(ClockAt("Asia/Kolkata", 1985, 8, 15, 10, 30));
    EXPECT_EQ(PlaceClockText("Delhi", {1985, 8, 15, 10, 30}, std::nullopt, {}),
              "Delhi: the time zone database is not available on this computer, so please choose "
              "the time zone "
              "and daylight saving yourself.");
}

TEST(UtcOffsetText, SignHoursMinutesAndSecondsWhereThereAreAny) {
    EXPECT_EQ(UtcOffsetText(19800), "+05:30");
    EXPECT_EQ(UtcOffsetText(-4 * kHour), "-04:00");
    EXPECT_EQ(UtcOffsetText(0), "+00:00");
    EXPECT_EQ(UtcOffsetText(19270), "+05:21:10");
    EXPECT_EQ(UtcOffsetText(-(9 * kHour + 1800)), "-09:30");
}

TEST(PosixZoneRule, ReadsTheRuleAtTheEndOfAZoneFile) {
    struct Case {
        const char* text;
        bool parses;
        int standard, daylight;
        bool hasDaylight;
    };
    const Case cases[] = {
        {"EST5EDT,M3.2.0,M11.1.0", true, -5 * kHour, -4 * kHour, true},
        {"<+0545>-5:45", true, 20700, 20700, false},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", true, kHour, 0, true},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", true, -2 * kHour, -kHour, true},
        {"EST5EDT", false, 0, 0, false},
        {"E5", false, 0, 0, false},
        {"EST5EDT,M13.2.0,M11.1.0", false, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto rule = ParsePosixZoneRule(c.text);
        ASSERT_EQ(rule.has_value(), c.parses);
        if (!rule) continue;
        EXPECT_EQ(rule->standardOffsetSeconds, c.standard);
        EXPECT_EQ(rule->hasDaylight, c.hasDaylight);
        if (c.hasDaylight) {
            EXPECT_EQ(rule->daylightOffsetSeconds, c.daylight);
        }
    }
}

TEST(PlaceClockText, SaysWhatWasFoundInTheUsersWords) {
    struct Case {
        const char* place;
        const char* zone;
        LocalDateTime when;
        const char* expected;
    };
    const Case cases[] = {
        {"New York",
         "America/New_York",
         {1971, 11, 3, 23, 5},
         "New York on 3 November 1971, 23:05: UTC\u221205:00, EST"},
        {"New York",
         "America/New_York",
         {1976, 7, 4, 20, 15},
         "New York on 4 July 1976, 20:15: UTC\u221204:00, EDT, daylight saving time"},
        {"Kathmandu",
         "Asia/Kathmandu",
         {2000, 1, 1, 9, 0},
         "Kathmandu on 1 January 2000, 09:00: UTC+05:45"},
        {"Kolkata",
         "Asia/Kolkata",
         {1903, 1, 1, 12, 0},
         "Kolkata on 1 January 1903, 12:00: UTC+05:21:10, MMT. No time zone in the list keeps this "
         "clock: please "
         "choose the nearest one yourself."},
        {"New York",
         "America/New_York",
         {2021, 3, 14, 2, 30},
         "New York on 14 March 2021, 02:30: this time never happened there: the clocks went "
         "forward from "
         "UTC\u221205:00 (EST) to UTC\u221204:00 (EDT). The time zone is set for the clock before "
         "the change."},
        {"New York",
         "America/New_York",
         {2021, 11, 7, 1, 30},
         "New York on 7 November 2021, 01:30: this time happened twice there: the clocks went back "
         "from "
         "UTC\u221204:00 (EDT) to UTC\u221205:00 (EST). The time zone is set for the first of the "
         "two."},
        {"Atlantis",
         "Atlantic/Atlantis",
         {2000, 1, 1, 0, 0},
         "Atlantis: the time zone database does not know this place's time zone, so please choose "
         "the time zone "
         "and daylight saving yourself."},
        {"Madrid", "Europe/Madrid", {1990, 2, 30, 12, 0}, "Madrid: there is no 30 February 1990."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const auto clock =
            ClockAt(c.zone, c.when.year, c.when.month, c.when.day, c.when.hour, c.when.minute);
        const ZoneRowChoice choice = clock ? ChooseZoneRow(*clock) : ZoneRowChoice{};
        EXPECT_EQ(PlaceClockText(c.place, c.when, clock, choice), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
