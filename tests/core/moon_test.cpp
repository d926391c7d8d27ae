#include <gtest/gtest.h>

#include <string>

#include "engine_examples.h"
#include "model/chart_reading.h"
#include "model/sign_position_text.h"
#include "moon/birth_instant.h"
#include "moon/moon_details.h"
#include "moon/moon_longitude.h"

namespace orbalis {
namespace {

TEST(MoonLongitude, WorkedValues) {
    struct Case {
        const char* name;
        double centuriesJ2000;
        double tropical, ayanamsa, sidereal;
    };
    const Case cases[] = {
        {"1 January 2000, 12:00 UT (T = 0)", 0.0, 223.3161029160, -23.8537257135, 199.4623772025},
        {"Delhi, 15 August 1985, 10:30 IST", BirthInstant(examples::Delhi1985()).centuriesJ2000,
         126.7814287293, -23.6530730933, 103.1283556360},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(MoonTropicalLongitude(c.centuriesJ2000), c.tropical, 0.5e-10);
        EXPECT_NEAR(MoonAyanamsa(c.centuriesJ2000), c.ayanamsa, 0.5e-10);
        EXPECT_NEAR(MoonSiderealLongitude(c.centuriesJ2000), c.sidereal, 0.5e-10);
    }
}

TEST(MoonLongitude, TropicalWrapKeepsExactly360) {
    struct Case {
        const char* name;
        double input, expected;
    };
    constexpr Case cases[] = {
        {"exactly 360 stays", 360.0, 360.0},
        {"two turns down to 360", 1080.0, 360.0},
        {"just above 360", 360.5, 0.5},
        {"several turns", 3 * 360.0 + 12.25, 12.25},
        {"negative", -0.5, 359.5},
        {"several negative turns", -2 * 360.0 - 10.0, 350.0},
        {"zero", 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WrapTropicalDegrees(c.input), c.expected);
    }
}

TEST(MoonLongitude, SiderealFromTropical) {
    // 360 before the ayanamsa becomes 336.1..., never 0.
    EXPECT_NEAR(SiderealFromTropical(360.0, -23.8537257135), 336.1462742865, 1e-10);
    // The Moon in early tropical Aries falls in late sidereal Pisces.
    EXPECT_NEAR(SiderealFromTropical(10.0, -23.8537257135), 346.1462742865, 1e-10);
    EXPECT_NEAR(SiderealFromTropical(23.8537257135, -23.8537257135), 0.0, 1e-12);
}

TEST(MoonLongitude, EndsOfTheYearRangeStayFinite) {
    for (const double t : {-0.99, -0.9999, 0.5, 0.51}) {
        SCOPED_TRACE(t);
        const double sidereal = MoonSiderealLongitude(t);
        EXPECT_GE(sidereal, 0.0);
        EXPECT_LT(sidereal, 360.0);
    }
}

TEST(SignPositionText, PiecesAreTruncated) {
    struct Case {
        const char* name;
        double degrees;
        const char* expected;
    };
    constexpr Case cases[] = {
        {"Moon at T = 0", 199.4623772025, "19\u00B0 27' 44\" Lib"},
        {"Moon of the Delhi example", 103.1283556360, "13\u00B0 7' 42\" Can"},
        {"zero", 0.0, "0\u00B0 0' 0\" Ari"},
        {"just below 360", 359.9999, "29\u00B0 59' 59\" Pis"},
        {"no carry into the next sign", 29.99999, "29\u00B0 59' 59\" Ari"},
        {"sign boundary", 30.0, "0\u00B0 0' 0\" Tau"},
        {"negative written as absolute", -23.5, "23\u00B0 30' 0\" Ari"},
        {"13 deg 20 min", 13.0 + 20.0 / 60.0, "13\u00B0 20' 0\" Ari"},
        {"360 names no sign", 360.0, "0\u00B0 0' 0\" "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SignPositionText(c.degrees), c.expected);
    }
}

TEST(PositionChars, WholeNumbersInPlainDecimal) {
    struct Case {
        long long value;
        const char* expected;
    };
    constexpr Case cases[] = {
        {0, "0"},
        {7, "7"},
        {9, "9"},
        {10, "10"},
        {59, "59"},
        {99, "99"},
        {100, "100"},
        {359, "359"},
        {-1, "-1"},
        {-23, "-23"},
        {-100, "-100"},
        {1234567, "1234567"},
        {-9223372036854775807LL - 1, "-9223372036854775808"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        PositionChars chars;
        chars.Append("x");
        chars.AppendWholeNumber(c.value);
        EXPECT_EQ(chars.view(), std::string("x") + c.expected);
    }
}

TEST(MoonDetails, NakshatraAndMoonSign) {
    struct Case {
        const char* name;
        double sidereal;
        const char* text;
        const char* nakshatra;
        const char* rashi;
        const char* moonSign;
    };
    constexpr Case cases[] = {
        {"T = 0", 199.4623772025, "19\u00B0 27' 44\" Lib", "Swati", "Thula", "Libra"},
        {"Delhi example", 103.1283556360, "13\u00B0 7' 42\" Can", "Pushya", "Kataka", "Cancer"},
        {"zero", 0.0, "0\u00B0 0' 0\" Ari", "Aswini", "Mesha", "Aries"},
        {"just below 360", 359.9999, "29\u00B0 59' 59\" Pis", "Revati", "Meena", "Pisces"},
        {"13 deg 20 min starts the second", 800.0 / 60.0, "13\u00B0 20' 0\" Ari", "Bharani",
         "Mesha", "Aries"},
        {"30 exactly", 30.0, "0\u00B0 0' 0\" Tau", "Krittika", "Vrishabha", "Taurus"},
        {"Dhanishtha", 300.0, "0\u00B0 0' 0\" Aqu", "Dhanishtha", "Kumbha", "Aquarius"},
        {"Scorpio", 225.0, "15\u00B0 0' 0\" Sco", "Anuradha", "Vrishcika", "Scorpio"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartReading reading;
        MoonDetailsAt(c.sidereal, reading);
        EXPECT_EQ(reading.moonPositionText, c.text);
        EXPECT_EQ(reading.nakshatra, c.nakshatra);
        EXPECT_EQ(reading.rashi, c.rashi);
        EXPECT_EQ(reading.moonSignName, c.moonSign);
    }
}

TEST(MoonDetails, ComputedFromTheBirth) {
    ChartReading reading;
    reading.rashi = "stale";
    ComputeMoonDetails(examples::Delhi1985(), reading);
    EXPECT_EQ(reading.moonPositionText, "13\u00B0 7' 42\" Can");
    EXPECT_EQ(reading.nakshatra, "Pushya");
    EXPECT_EQ(reading.rashi, "Kataka");
    EXPECT_EQ(reading.moonSignName, "Cancer");

    ComputeMoonDetails(examples::Epoch2000(), reading);
    EXPECT_EQ(reading.moonPositionText, "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(reading.nakshatra, "Swati");
    EXPECT_EQ(reading.rashi, "Thula");
}

}  // namespace
}  // namespace orbalis
