#include "positions/planet_positions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine_examples.h"
#include "moon/moon_details.h"
#include "positions/ascendant.h"
#include "positions/planet_moment.h"

namespace orbalis {
namespace {

constexpr double kTwoPi = 6.28318530717958;

TEST(PlanetMoment, CalendarArithmetic) {
    struct Case {
        const char* name;
        BirthDetails birth;
        bool daylightSaving;
        CivilMoment expected;
    };
    const Case cases[] = {
        {"Delhi example", examples::Delhi1985(), false, {1985, 8, 15, 5, 0}},
        {"00:10 at 5:30 east is the previous evening",
         examples::Birth(1, 3, 1990, 0, 10, examples::kIndianTimeRow),
         false,
         {1990, 2, 28, 18, 40}},
        {"23:50 on 31 December at 5:00 west is the next year",
         examples::Birth(31, 12, 1999, 23, 50, examples::kEasternStandardRow),
         false,
         {2000, 1, 1, 4, 50}},
        {"daylight saving takes an hour off",
         examples::Birth(31, 12, 1999, 23, 50, examples::kEasternStandardRow),
         true,
         {2000, 1, 1, 3, 50}},
        {"daylight saving back across midnight",
         examples::Birth(1, 1, 2000, 0, 30, examples::kGreenwichRow),
         true,
         {1999, 12, 31, 23, 30}},
        {"hour 24 is 0:mm of the next day",
         examples::Birth(31, 12, 2000, 24, 15, examples::kGreenwichRow),
         false,
         {2001, 1, 1, 0, 15}},
        {"hour 24 in an east zone stays on the day",
         examples::Birth(28, 2, 2000, 24, 0, examples::kIndianTimeRow),
         false,
         {2000, 2, 28, 18, 30}},
        {"into a leap day",
         examples::Birth(28, 2, 2000, 22, 0, examples::kEasternStandardRow),
         false,
         {2000, 2, 29, 3, 0}},
        {"1900 has no leap day",
         examples::Birth(1, 1, 1901, 0, 0, examples::kIndianTimeRow),
         false,
         {1900, 12, 31, 18, 30}},
        {"back out of March in a common year",
         examples::Birth(1, 3, 1901, 1, 0, examples::kCentralEuropeanRow),
         true,
         {1901, 2, 28, 23, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails birth = c.birth;
        birth.daylightSaving = c.daylightSaving;
        const CivilMoment m = PlanetMoment(birth);
        EXPECT_EQ(m, c.expected) << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":"
                                 << m.minute;
    }
}

TEST(PlanetDayNumber, DaysFromTheEpoch) {
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_NEAR(PlanetDayNumber(1985, 8, 15, 5, 0), -5252.2916667, 0.5e-7);
    EXPECT_EQ(PlanetDayNumber(2000, 3, 1, 12, 0), 60.0);
    EXPECT_EQ(PlanetDayNumber(2001, 1, 1, 0, 0), 365.5);
}

TEST(ReduceRadians, IntoOneTurn) {
    struct Case {
        const char* name;
        double input, expected;
    };
    const Case cases[] = {
        {"inside", 1.0, 1.0},
        {"one turn and a bit", kTwoPi + 0.5, 0.5},
        {"negative", -0.5, kTwoPi - 0.5},
        {"many turns negative", -10.0 * kTwoPi - 0.25, kTwoPi - 0.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(ReduceRadians(c.input), c.expected, 1e-12);
        EXPECT_GE(ReduceRadians(c.input), 0.0);
        EXPECT_LT(ReduceRadians(c.input), kTwoPi);
    }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
    EXPECT_NEAR(TrueAnomaly(1.0, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(TrueAnomaly(0.0, 0.2), 0.0, 1e-12);
    // Negative anomalies come back in 0..2pi.
    EXPECT_NEAR(TrueAnomaly(kTwoPi - 1.0, 0.0), kTwoPi - 1.0, 1e-12);
    // Mercury's eccentricity: check the result against Kepler's equation.
    const double e = 0.20563069;
    const double m = 2.0;
    const double v = TrueAnomaly(m, e);
    const double eccentric = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(v / 2.0));
    EXPECT_NEAR(eccentric - e * std::sin(eccentric), m, 1e-12);
}

TEST(PlanetLongitudes, WorkedValues) {
    struct Case {
        const char* name;
        CivilMoment moment;
        double dayNumber, ayanamsa;
        PlanetLongitudes tropical, sidereal;
    };
    const Case cases[] = {
        {"Delhi example: 15 August 1985, 05:00 UT",
         {1985, 8, 15, 5, 0},
         -5252.2916667,
         -23.6540173,
         {142.5244, 135.2872, 105.0040, 133.7467, 310.9072, 231.9857},
         {118.8704, 111.6332, 81.3500, 110.0926, 287.2532, 208.3317}},
        {"epoch: 1 January 2000, 12:00 UT",
         {2000, 1, 1, 12, 0},
         0.0,
         -23.8539909,
         {280.3796, 271.9060, 241.5781, 327.9828, 25.3611, 40.2147},
         {256.5256, 248.0520, 217.7241, 304.1288, 1.5071, 16.3607}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CivilMoment& m = c.moment;
        const double d = PlanetDayNumber(m.year, m.month, m.day, m.hour, m.minute);
        EXPECT_NEAR(d, c.dayNumber, 0.5e-7);
        const PlanetLongitudes s = SiderealPlanetLongitudes(d, c.ayanamsa);
        EXPECT_NEAR(GeocentricLongitude(OrbitBody::Sun, d), c.tropical.sun, 0.5e-4);
        EXPECT_NEAR(GeocentricLongitude(OrbitBody::Mercury, d), c.tropical.mercury, 0.5e-4);
        EXPECT_NEAR(GeocentricLongitude(OrbitBody::Venus, d), c.tropical.venus, 0.5e-4);
        EXPECT_NEAR(GeocentricLongitude(OrbitBody::Mars, d), c.tropical.mars, 0.5e-4);
        EXPECT_NEAR(GeocentricLongitude(OrbitBody::Jupiter, d), c.tropical.jupiter, 0.5e-4);
        EXPECT_NEAR(GeocentricLongitude(OrbitBody::Saturn, d), c.tropical.saturn, 0.5e-4);
        EXPECT_NEAR(s.sun, c.sidereal.sun, 0.5e-4);
        EXPECT_NEAR(s.mercury, c.sidereal.mercury, 0.5e-4);
        EXPECT_NEAR(s.venus, c.sidereal.venus, 0.5e-4);
        EXPECT_NEAR(s.mars, c.sidereal.mars, 0.5e-4);
        EXPECT_NEAR(s.jupiter, c.sidereal.jupiter, 0.5e-4);
        EXPECT_NEAR(s.saturn, c.sidereal.saturn, 0.5e-4);
    }
}

TEST(LunarNode, RahuStepsAndKetu) {
    // Without an ayanamsa the steps show: 125.1228 deg through the rounded
    // pi is 125.1225074, less one degree 124.1225074.
    EXPECT_NEAR(RahuDegrees(0.0, 0.0), 124.1225074, 0.5e-7);
    EXPECT_NEAR(RahuDegrees(0.0, -23.8539909), 100.2685, 0.5e-4);
    EXPECT_NEAR(KetuDegrees(RahuDegrees(0.0, -23.8539909)), 280.2685, 0.5e-4);
    const double delhi = RahuDegrees(PlanetDayNumber(1985, 8, 15, 5, 0), -23.6540173);
    EXPECT_NEAR(delhi, 18.5975, 0.5e-4);
    EXPECT_NEAR(KetuDegrees(delhi), 198.5975, 0.5e-4);
    // The ayanamsa counts by its size, whatever its sign.
    EXPECT_EQ(RahuDegrees(100.0, 23.5), RahuDegrees(100.0, -23.5));
    // Rahu at exactly 180 puts Ketu at 0 deg Aries, not at a 360 that names no sign.
    EXPECT_EQ(KetuDegrees(180.0), 0.0);
    EXPECT_EQ(ShortPositionText(SignPositionText(KetuDegrees(180.0))), "00 Ari 00");
    EXPECT_EQ(KetuDegrees(180.5), 0.5);
    EXPECT_EQ(KetuDegrees(0.0), 180.0);
}

TEST(ShortPositionText, PadsAndDropsSeconds) {
    struct Case {
        const char* name;
        const char* input;
        const char* expected;
    };
    constexpr Case cases[] = {
        {"seconds dropped", "5\u00B0 3' 59\" Ari", "05 Ari 03"},
        {"two digits unchanged", "28\u00B0 52' 13\" Can", "28 Can 52"},
        {"zero", "0\u00B0 0' 0\" Ari", "00 Ari 00"},
        {"ten and ten", "10\u00B0 10' 1\" Cap", "10 Cap 10"},
        {"nine and nine", "9\u00B0 9' 9\" Pis", "09 Pis 09"},
        {"blanks at the ends", "  29\u00B0 59' 59\" Pis  ", "29 Pis 59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShortPositionText(c.input), c.expected);
    }
}

TEST(AssignShortPositionText, SameAsShortTextOfTheFullText) {
    struct Case {
        const char* name;
        double degrees;
    };
    const Case cases[] = {
        {"zero", 0.0},
        {"one degree, one minute", 1.0 + 1.0 / 60.0},
        {"just below a sign boundary", std::nextafter(30.0, 0.0)},
        {"a sign boundary", 30.0},
        {"nine degrees fifty-nine minutes", 9.0 + 59.5 / 60.0},
        {"ten degrees", 10.0},
        {"Delhi's Sun", 118.6389},
        {"last minute of Pisces", 359.99},
        {"just below a whole turn", std::nextafter(360.0, 0.0)},
        {"a whole turn names no sign", 360.0},
        {"beyond a whole turn", 365.25},
        {"far beyond", 4000.5},
        {"negative: written as its absolute value", -47.123},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "left over from before";
        AssignShortPositionText(c.degrees, text);
        EXPECT_EQ(text, ShortPositionText(SignPositionText(c.degrees)));
    }
    // And every tenth of a minute around the circle.
    for (int step = 0; step < 360 * 600; ++step) {
        const double degrees = step / 600.0;
        std::string text;
        AssignShortPositionText(degrees, text);
        ASSERT_EQ(text, ShortPositionText(SignPositionText(degrees))) << degrees;
    }
}

ChartReading ComputedReading(const BirthDetails& birth) {
    ChartReading reading;
    ComputeAscendantAndAyanamsa(birth, reading);
    ComputeMoonDetails(birth, reading);
    ComputePlanetTable(birth, reading);
    return reading;
}

TEST(PlanetTable, DelhiExample) {
    const ChartReading reading = ComputedReading(examples::Delhi1985());
    const BodyTexts expected = {"28 Can 52", "13 Can 07", "21 Can 37", "21 Gem 20",
                                "20 Can 05", "17 Cap 15", "28 Lib 19", "18 Ari 35",
                                "18 Lib 35", "28 Vir 57", "00 Can 14"};
    EXPECT_EQ(reading.planetPositionText, expected);
    const BodyTexts names = {"Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
                             "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
    EXPECT_EQ(reading.planetName, names);
    const BodyTexts sanskrit = {"Surya", "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
                                "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};
    EXPECT_EQ(reading.planetSanskritName, sanskrit);
}

TEST(PlanetTable, EpochExample) {
    const ChartReading reading = ComputedReading(examples::Epoch2000());
    EXPECT_EQ(reading.planetPositionText[kSun], "16 Sag 31");
    EXPECT_EQ(reading.planetPositionText[kJupiter], "01 Ari 30");
    EXPECT_EQ(reading.planetPositionText[kRahu], "10 Can 16");
    EXPECT_EQ(reading.planetPositionText[kKetu], "10 Cap 16");
    EXPECT_EQ(reading.planetPositionText[kAscendant], "17 Pis 31");
    EXPECT_EQ(reading.planetPositionText[kMidheaven], "15 Sag 45");
}

TEST(PlanetTable, NamesAreWrittenAfreshEveryReading) {
    ChartReading reading = ComputedReading(examples::Delhi1985());
    reading.planetSanskritName[kMars] += " (R) ";
    reading.planetName[kSun] = "stale";
    ComputePlanetTable(examples::Delhi1985(), reading);
    EXPECT_EQ(reading.planetSanskritName[kMars], "Mangala");
    EXPECT_EQ(reading.planetName[kSun], "Sun");
}

TEST(PlanetTable, DaylightSavingIsOneHourEarlier) {
    BirthDetails summer = examples::Delhi1985();
    summer.daylightSaving = true;
    BirthDetails earlier = examples::Delhi1985();
    earlier.hour = 9;
    ChartReading a;
    ChartReading b;
    a.ayanamsaDegrees = b.ayanamsaDegrees = -23.6540173;
    ComputePlanetTable(summer, a);
    ComputePlanetTable(earlier, b);
    EXPECT_EQ(a.planetPositionText, b.planetPositionText);
    EXPECT_EQ(PlanetMoment(summer), PlanetMoment(earlier));
}

}  // namespace
}  // namespace orbalis
