#include "moon/birth_instant.h"

#include <gtest/gtest.h>

#include "engine_examples.h"

namespace orbalis {
namespace {

using examples::Birth;
using examples::WithPlace;

TEST(JulianDayNumber, CalendarCheckValues) {
    struct Case {
        const char* name;
        int month, day, year;
        double expected;
    };
    constexpr Case cases[] = {
        {"1 January 2000", 1, 1, 2000, 2451545.0},
        {"1 January 1900", 1, 1, 1900, 2415021.0},
        {"last Julian day, 4 October 1582", 10, 4, 1582, 2299160.0},
        {"15 August 1985", 8, 15, 1985, 2446293.0},
        {"29 February 1900 runs on into March", 2, 29, 1900, 2415080.0},
        {"1 March 1900", 3, 1, 1900, 2415080.0},
        {"29 February 2000 is a leap day", 2, 29, 2000, 2451604.0},
        {"15 October 1582 stays below the Gregorian switch", 10, 15, 1582, 2299171.0},
        {"25 October 1582 gives the same number", 10, 25, 1582, 2299171.0},
        {"31 December 2050", 12, 31, 2050, 2470172.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected);
    }
}

TEST(BirthInstant, WorkedValues) {
    const BirthInstantValues epoch = BirthInstant(examples::Epoch2000());
    EXPECT_EQ(epoch.julianDay, 2451545.0);
    EXPECT_EQ(epoch.universalHours, 12.0);
    EXPECT_EQ(epoch.centuriesJ2000, 0.0);

    const BirthInstantValues delhi = BirthInstant(examples::Delhi1985());
    EXPECT_EQ(delhi.julianDay, 2446293.0);
    EXPECT_EQ(delhi.universalHours, 5.0);
    EXPECT_NEAR(delhi.longitudeWest, -(77.0 + 13.0 / 60.0), 1e-12);
    EXPECT_NEAR(delhi.centuriesJ2000, -0.1437999087383, 1e-13);

    // New York, 4 July 1976, 20:15 Eastern daylight time.
    BirthDetails newYork = WithPlace(Birth(4, 7, 1976, 20, 15, examples::kEasternStandardRow), 40,
                                     43, false, 74, 0, false);
    newYork.daylightSaving = true;
    EXPECT_EQ(BirthInstant(newYork).universalHours, 24.25);
}

TEST(BirthInstant, UniversalTimeFollowsTheZoneRow) {
    struct Case {
        const char* name;
        int hour, minute, zoneRow;
        bool isEast, daylightSaving;
        double expectedHours;
    };
    constexpr Case cases[] = {
        {"east, clock earlier than the zone: previous day", 0, 10, examples::kIndianTimeRow, true,
         false, 10.0 / 60.0 - 5.5},
        {"zone 0 west with daylight saving", 9, 0, examples::kGreenwichRow, false, true, 8.0},
        {"zone 0 east with daylight saving", 9, 0, examples::kGreenwichRow, true, true, 8.0},
        // Madrid keeps central European time at 3 deg 42 min west.
        {"west place in an east zone", 12, 0, examples::kCentralEuropeanRow, false, false, 11.0},
        // London in summer: west of Greenwich, one hour east of it by the clock.
        {"west place in summer time", 12, 0, examples::kBritishSummerRow, false, false, 11.0},
        {"east place in a west zone", 12, 0, examples::kEasternStandardRow, true, false, 17.0},
        {"east place, west zone, daylight saving", 12, 0, examples::kEasternStandardRow, true, true,
         16.0},
        {"hour 24", 24, 0, examples::kGreenwichRow, false, false, 24.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails birth = WithPlace(Birth(10, 6, 1990, c.hour, c.minute, c.zoneRow), 40, 0,
                                       false, 3, 42, c.isEast);
        birth.daylightSaving = c.daylightSaving;
        EXPECT_NEAR(BirthInstant(birth).universalHours, c.expectedHours, 1e-12);
    }
}

TEST(BirthInstant, HourTwentyFourIsMidnightOfTheNextDay) {
    const BirthDetails late = Birth(31, 12, 1999, 24, 0, examples::kIndianTimeRow);
    const BirthDetails early = Birth(1, 1, 2000, 0, 0, examples::kIndianTimeRow);
    EXPECT_NEAR(BirthInstant(late).centuriesJ2000, BirthInstant(early).centuriesJ2000, 1e-15);
}

TEST(BirthInstant, NegativeUniversalHoursFallOnThePreviousDay) {
    // 00:10 in Delhi is 18:40 universal time of the day before.
    BirthDetails birth =
        WithPlace(Birth(2, 1, 2000, 0, 10, examples::kIndianTimeRow), 28, 39, false, 77, 13, true);
    const BirthInstantValues values = BirthInstant(birth);
    EXPECT_NEAR(values.universalHours, -5.0 - 1.0 / 3.0, 1e-12);
    // 6 h 40 min after the epoch of 1 January 2000, 12:00.
    const double expected = (6.0 + 40.0 / 60.0) / 24.0 / 36525.0;
    EXPECT_NEAR(values.centuriesJ2000, expected, 1e-15);
}

}  // namespace
}  // namespace orbalis
