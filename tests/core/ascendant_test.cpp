#include "positions/ascendant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine_examples.h"
#include "ephemeris/ephemeris_positions.h"
#include "ephemeris/precise_reading.h"
#include "moon/birth_instant.h"
#include "moon/moon_details.h"

namespace orbalis {
namespace {

constexpr double kPi = 3.14159265358979;

TEST(TwoArgumentArctangent, Quadrants) {
    struct Case {
        const char* name;
        double y, x, expected;
    };
    const Case cases[] = {
        {"first quadrant", 1.0, 1.0, std::atan(1.0)},
        {"fourth quadrant", -1.0, 1.0, -std::atan(1.0)},
        {"second quadrant", 1.0, -1.0, kPi - std::atan(1.0)},
        {"third quadrant", -1.0, -1.0, -(kPi - std::atan(1.0))},
        {"positive y axis", 2.0, 0.0, kPi / 2.0},
        {"negative y axis", -2.0, 0.0, -kPi / 2.0},
        {"origin", 0.0, 0.0, 0.0},
        {"negative x axis gives 0, not pi", 0.0, -1.0, 0.0},
        {"positive x axis", 0.0, 3.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(TwoArgumentArctangent(c.y, c.x), c.expected);
    }
}

TEST(SignedAngleText, TruncatesSeconds) {
    struct Case {
        const char* name;
        double degrees;
        const char* expected;
    };
    constexpr Case cases[] = {
        {"Delhi ayanamsa, 14.46 seconds", -23.6540173, "-23\u00B0 39' 14\""},
        {"J2000 ayanamsa", -23.8539909, "-23\u00B0 51' 14\""},
        {"positive", 23.654017, "23\u00B0 39' 14\""},
        {"no carry into the next minute", -23.99999, "-23\u00B0 59' 59\""},
        {"zero", 0.0, "0\u00B0 0' 0\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SignedAngleText(c.degrees), c.expected);
    }
}

TEST(Ascendant, WorkedValues) {
    struct Case {
        const char* name;
        BirthDetails birth;
        double centuries1900, ayanamsa, ramc, ascendant, midheaven;
        const char* ayanamsaText;
        const char* lagnaText;
        const char* midheavenText;
    };
    const Case cases[] = {
        {"Delhi, 15 August 1985, 10:30 IST", examples::Delhi1985(), 0.85620009126169, -23.6540173,
         115.7700658, 178.9631274, 90.2360065, "-23\u00B0 39' 14\"", "28\u00B0 57' 47\" Vir",
         "0\u00B0 14' 9\" Can"},
        {"Greenwich, 1 January 2000, 12:00 GMT", examples::Epoch2000(), 1.0, -23.8539909,
         280.4608710, 347.5241579, 255.7604858, "-23\u00B0 51' 14\"", "17\u00B0 31' 26\" Pis",
         "15\u00B0 45' 37\" Sag"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AscendantValues values = AscendantAndMidheaven(c.birth);
        EXPECT_NEAR(values.centuries1900, c.centuries1900, 0.5e-14);
        EXPECT_NEAR(values.ayanamsaDegrees, c.ayanamsa, 0.5e-7);
        EXPECT_NEAR(values.ramcDegrees, c.ramc, 0.5e-7);
        EXPECT_NEAR(values.ascendantDegrees, c.ascendant, 0.5e-7);
        EXPECT_NEAR(values.midheavenDegrees, c.midheaven, 0.5e-7);

        ChartReading reading;
        ComputeAscendantAndAyanamsa(c.birth, reading);
        EXPECT_EQ(reading.ayanamsaDegrees, values.ayanamsaDegrees);
        EXPECT_EQ(reading.ayanamsaText, c.ayanamsaText);
        EXPECT_EQ(reading.lagnaPositionText, c.lagnaText);
        EXPECT_EQ(reading.midheavenPositionText, c.midheavenText);
    }
}

double AngularDistance(double a, double b) {
    const double d = std::fabs(a - b);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(Ascendant, DaylightSavingMovesTheAscendantByAboutFifteenDegrees) {
    BirthDetails birth = examples::Delhi1985();
    const double standard = AscendantAndMidheaven(birth).ascendantDegrees;
    birth.daylightSaving = true;
    const double summer = AscendantAndMidheaven(birth).ascendantDegrees;
    EXPECT_GT(AngularDistance(standard, summer), 10.0);
    EXPECT_LT(AngularDistance(standard, summer), 20.0);
}

TEST(Ascendant, SouthernLatitudeChangesOnlyTheAscendant) {
    BirthDetails north = examples::Delhi1985();
    BirthDetails south = north;
    south.isSouth = true;
    const AscendantValues n = AscendantAndMidheaven(north);
    const AscendantValues s = AscendantAndMidheaven(south);
    EXPECT_EQ(n.midheavenDegrees, s.midheavenDegrees);
    EXPECT_GT(AngularDistance(n.ascendantDegrees, s.ascendantDegrees), 1.0);
    // At the equator the ascendant lies between the two.
    north.latitudeDegrees = 0;
    north.latitudeMinutes = 0;
    const double equator = AscendantAndMidheaven(north).ascendantDegrees;
    EXPECT_LT(AngularDistance(equator, n.ascendantDegrees),
              AngularDistance(s.ascendantDegrees, n.ascendantDegrees));
}

TEST(Ascendant, WestPlaceInAnEastZoneUsesTheZoneDirection) {
    // Madrid, 1 July 1990, 12:00 central European time, 40°25' N 3°42' W: the
    // clock is one hour ahead of Greenwich, so universal time is 11:00, as at
    // Greenwich with GMT at 11:00 and the same longitude.
    const BirthDetails madrid =
        examples::WithPlace(examples::Birth(1, 7, 1990, 12, 0, examples::kCentralEuropeanRow), 40,
                            25, false, 3, 42, false);
    const BirthDetails sameInstant = examples::WithPlace(
        examples::Birth(1, 7, 1990, 11, 0, examples::kGreenwichRow), 40, 25, false, 3, 42, false);
    EXPECT_EQ(AscendantAndMidheaven(madrid).ascendantDegrees,
              AscendantAndMidheaven(sameInstant).ascendantDegrees);
}

// The n-th of a fixed spread of births over the years, hours, zone rows and
// longitudes, at a latitude of `degrees` and `minutes`.
BirthDetails SpreadBirth(int n, int degrees, int minutes, bool south) {
    return examples::WithPlace(examples::Birth(1 + n % 28, 1 + (n * 7) % 12, 1901 + (n * 37) % 150,
                                               (n * 5) % 24, (n * 13) % 60, n % 77),
                               degrees, minutes, south, (n * 29) % 180, (n * 11) % 60, n % 3 != 0);
}

// Above the polar circles the Lagna is the rising degree, as the ephemeris
// finds it (the formula alone gives the setting one at some times).
TEST(Ascendant, AbovePolarCirclesTheLagnaRisesAsInThePreciseMode) {
    for (int n = 0; n < 500; ++n) {
        const BirthDetails birth = SpreadBirth(n, 67 + n % 23, (n * 17) % 60, n % 2 == 1);
        EphemerisPositions precise{};
        ASSERT_FALSE(EphemerisPositionsAt(BirthJulianDayUt(birth), LatitudeNorth(birth),
                                          -BirthInstant(birth).longitudeWest, precise));
        SCOPED_TRACE("birth " + std::to_string(n) + " at " + std::to_string(LatitudeNorth(birth)));
        EXPECT_LT(AngularDistance(AscendantAndMidheaven(birth).ascendantDegrees,
                                  precise.ascendantDegrees),
                  1.0);
    }
}

// The Lagna texts of 600 births from the equator to 66 degrees, north and
// south, as they were before the polar mend: kept byte for byte.
TEST(Ascendant, UpToSixtySixDegreesTheLagnaIsUnchanged) {
    std::string lagnas;
    for (int n = 0; n < 600; ++n) {
        const int degrees = (n * 11) % 67;
        ChartReading reading;
        ComputeAscendantAndAyanamsa(
            SpreadBirth(n, degrees, degrees == 66 ? 0 : (n * 17) % 60, n % 2 == 1), reading);
        lagnas += reading.lagnaPositionText + "\n";
    }
    const std::filesystem::path expected =
        std::filesystem::path(ORBALIS_TEST_DATA) / "lagna_up_to_66_degrees.txt";
    std::ifstream in(expected, std::ios::binary);
    EXPECT_EQ(lagnas, std::string(std::istreambuf_iterator<char>(in), {})) << expected;
}

}  // namespace
}  // namespace orbalis
