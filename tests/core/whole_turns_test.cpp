#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "model/whole_turns.h"

namespace orbalis {
namespace {

// The loops the engines ran before whole turns were skipped: one turn a step.
double OneTurnAtATimeDown(double degrees) {
    while (degrees > 360.0) degrees = degrees - 360.0;
    return degrees;
}

double OneTurnAtATimeUp(double degrees) {
    while (degrees < 0.0) degrees = degrees + 360.0;
    return degrees;
}

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Values a few last-place units either side of a given value.
double Nudged(double value, int units) {
    for (; units > 0; --units) value = std::nextafter(value, std::numeric_limits<double>::max());
    for (; units < 0; ++units) value = std::nextafter(value, -std::numeric_limits<double>::max());
    return value;
}

TEST(WholeTurns, SkippingThenFinishingGivesTheSameBitsAsSingleTurns) {
    struct Case {
        const char* name;
        double degrees;
    };
    const Case cases[] = {
        {"just above the skip threshold", Nudged(1080.0, 1)},
        {"exactly three turns", 1080.0},
        {"just below four turns", Nudged(1440.0, -1)},
        {"exactly four turns", 1440.0},
        {"Moon mean longitude a century before J2000", 218.3164591 - 481267.88134236},
        {"Moon mean longitude half a century after", 218.3164591 + 0.5 * 481267.88134236},
        {"a multiple of 360 far out", 360.0 * 1337.0},
        {"one unit above a far multiple", Nudged(360.0 * 1337.0, 1)},
        {"one unit below a far multiple", Nudged(360.0 * 1337.0, -1)},
        {"a tiny fraction past many turns", 360.0 * 4000.0 + 1e-9},
        {"sidereal time of 1901", 15.0 * (6.6460656 + 2400.0513 * 0.01)},
        {"sidereal time of 2050", 15.0 * (6.6460656 + 2400.0513 * 1.5 + 24.0) + 180.0},
        {"large, with a fine fraction", 123456789.123456789},
        {"near the largest skipped value", Nudged(0x1p52, -1)},
    };
    for (const Case& c : cases) {
        for (const double degrees : {c.degrees, -c.degrees}) {
            SCOPED_TRACE(std::string(c.name) + (degrees < 0 ? " (negative)" : ""));
            // Further out, the one-turn loops would take too long to compare against.
            if (std::fabs(degrees) > 1e9) {
                EXPECT_GT(SkipWholeTurnsDown(std::fabs(degrees)), 360.0);
                continue;
            }
            EXPECT_EQ(Bits(OneTurnAtATimeDown(SkipWholeTurnsDown(degrees))),
                      Bits(OneTurnAtATimeDown(degrees)));
            EXPECT_EQ(Bits(OneTurnAtATimeUp(SkipWholeTurnsUp(degrees))),
                      Bits(OneTurnAtATimeUp(degrees)));
        }
    }
}

TEST(WholeTurns, LeavesAtLeastOneTurnToTheCaller) {
    for (const double degrees : {1080.5, 5000.0, 360.0 * 999.0, 1e12}) {
        SCOPED_TRACE(degrees);
        EXPECT_GT(SkipWholeTurnsDown(degrees), 360.0);
        EXPECT_LT(SkipWholeTurnsUp(-degrees), -360.0);
    }
}

TEST(WholeTurns, LeavesSmallAndUnusualValuesAlone) {
    const double cases[] = {0.0,    -0.0,   359.5,
                            720.0,  1080.0, -1080.0,
                            0x1p52, 0x1p60, std::numeric_limits<double>::infinity()};
    for (const double degrees : cases) {
        SCOPED_TRACE(degrees);
        EXPECT_EQ(Bits(SkipWholeTurnsDown(degrees)), Bits(degrees));
        EXPECT_EQ(Bits(SkipWholeTurnsUp(-degrees)), Bits(-degrees));
    }
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(SkipWholeTurnsDown(notANumber)));
    EXPECT_TRUE(std::isnan(SkipWholeTurnsUp(notANumber)));
}

}  // namespace
}  // namespace orbalis
