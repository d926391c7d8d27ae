#include "charts/divisional_sign.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbalis {
namespace {

// Each divisional rule part by part in Gemini (an odd, air sign) and in
// Scorpio (an even, water sign), as a reader would count them by hand.
struct Case {
    const char* name;
    Division division;
    int sign;                         // 0 Aries .. 11 Pisces
    std::vector<int> signOfEachPart;  // part 1 first
};

const Case kCases[] = {
    {"Hora in Gemini: Leo, then Cancer", Division::D2, 2, {4, 3}},
    {"Hora in Scorpio: Cancer, then Leo", Division::D2, 7, {3, 4}},
    {"Drekkana in Gemini: Gemini, Libra, Aquarius", Division::D3, 2, {2, 6, 10}},
    {"Drekkana in Scorpio: Scorpio, Pisces, Cancer", Division::D3, 7, {7, 11, 3}},
    {"Saptamsa in Gemini from Gemini", Division::D7, 2, {2, 3, 4, 5, 6, 7, 8}},
    {"Saptamsa in Scorpio from Taurus, its 7th", Division::D7, 7, {1, 2, 3, 4, 5, 6, 7}},
    {"Navamsa in Gemini (air) from Libra", Division::D9, 2, {6, 7, 8, 9, 10, 11, 0, 1, 2}},
    {"Navamsa in Scorpio (water) from Cancer", Division::D9, 7, {3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"Dasamsa in Gemini from Gemini", Division::D10, 2, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"Dasamsa in Scorpio from Cancer, its 9th", Division::D10, 7, {3, 4, 5, 6, 7, 8, 9, 10, 11, 0}},
    {"Dwadasamsa in Gemini from Gemini", Division::D12, 2, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}},
    {"Dwadasamsa in Scorpio from Scorpio",
     Division::D12,
     7,
     {7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6}},
};

// A hundredth of a second of arc: far finer than any position the program shows.
constexpr double kHair = 1.0 / 360000.0;

TEST(DivisionalSign, EachPartFromJustBeforeItsStartToJustBeforeItsEnd) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const int parts = static_cast<int>(c.signOfEachPart.size());
        ASSERT_EQ(parts, PartCount(c.division));
        const double signStart = 30.0 * c.sign;
        for (int k = 0; k < parts; ++k) {
            const double boundary = signStart + 30.0 * k / parts;
            const int expected = c.signOfEachPart[k];
            SCOPED_TRACE(testing::Message() << "part " << k + 1 << " starting at " << boundary);
            EXPECT_EQ(DivisionalSign(boundary, c.division), expected) << "on the boundary";
            EXPECT_EQ(DivisionalSign(boundary + kHair, c.division), expected) << "just after";
            if (k > 0) {
                EXPECT_EQ(DivisionalSign(boundary - kHair, c.division), c.signOfEachPart[k - 1])
                    << "just before";
            }
        }
        EXPECT_EQ(DivisionalSign(signStart + 30.0 - kHair, c.division), c.signOfEachPart.back())
            << "just before the sign ends";
    }
}

TEST(DivisionalSign, NavamsasRunOnThroughTheZodiacFromAries) {
    for (int navamsa = 0; navamsa < 108; ++navamsa) {
        SCOPED_TRACE(navamsa);
        const double start = navamsa * 10.0 / 3.0;
        EXPECT_EQ(DivisionalSign(start + kHair, Division::D9), navamsa % 12);
        EXPECT_EQ(DivisionalSign(start + 10.0 / 3.0 - kHair, Division::D9), navamsa % 12);
    }
}

TEST(DivisionalSign, LongitudesOutsideOneTurnWrap) {
    struct Wrap {
        const char* name;
        double degrees;
        Division division;
        int expected;
    };
    const Wrap cases[] = {
        {"a hair below 360 is still Pisces' last navamsa", 360.0 - kHair, Division::D9, 11},
        {"360 is 0 Aries", 360.0, Division::D9, 0},
        {"below 0 counts back from Pisces", -1.0, Division::D12, 10},
        {"past a whole turn: 5 Taurus", 395.0, Division::D3, 1},
        {"1e19 is exactly 10 Capricorn", 1e19, Division::D12, 1},
        {"-1e19 is exactly 20 Gemini", -1e19, Division::D3, 10},
    };
    for (const Wrap& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DivisionalSign(c.degrees, c.division), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
