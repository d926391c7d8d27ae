// Random birth details over everything the form accepts: every year offered,
// every zone row, both hemispheres, hour 24, any one- to three-digit degree
// and minute. A fixed seed keeps every run the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

#include "dosha/classical_kuja_dosha.h"
#include "engine_examples.h"
#include "model/reference_tables.h"
#include "moon/birth_instant.h"
#include "moon/moon_details.h"
#include "positions/ascendant.h"
#include "positions/planet_moment.h"
#include "positions/planet_positions.h"
#include "reading/reading.h"

namespace orbalis {
namespace {

constexpr std::string_view kDegreeSign = "\u00B0";

// Reads a run of decimal digits from the front of `text`; -1 when there is none.
long TakeNumber(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && count < 9 &&
           std::isdigit(static_cast<unsigned char>(text[count]))) {
        ++count;
    }
    if (count == 0) return -1;
    const long value = std::stol(std::string(text.substr(0, count)));
    text.remove_prefix(count);
    return value;
}

bool TakeText(std::string_view& text, std::string_view expected) {
    if (text.substr(0, expected.size()) != expected) return false;
    text.remove_prefix(expected.size());
    return true;
}

// "d° m' s\" " then the rest; d, m and s within their ranges.
bool TakeAngle(std::string_view& text, long maxDegrees) {
    const long d = TakeNumber(text);
    if (d < 0 || d > maxDegrees || !TakeText(text, kDegreeSign) || !TakeText(text, " ")) {
        return false;
    }
    const long m = TakeNumber(text);
    if (m < 0 || m > 59 || !TakeText(text, "' ")) return false;
    const long s = TakeNumber(text);
    return s >= 0 && s <= 59 && TakeText(text, "\"");
}

bool IsSignPositionText(std::string_view text) {
    return TakeAngle(text, 29) && TakeText(text, " ") && SignIndex(text).has_value();
}

bool IsAyanamsaText(std::string_view text) {
    return TakeText(text, "-") && TakeAngle(text, 359) && text.empty();
}

bool IsShortPositionText(std::string_view text) {
    if (text.size() != 9 || text[2] != ' ' || text[6] != ' ') return false;
    std::string_view degrees = text.substr(0, 2);
    std::string_view minutes = text.substr(7, 2);
    const long d = TakeNumber(degrees);
    const long m = TakeNumber(minutes);
    return degrees.empty() && minutes.empty() && d >= 0 && d <= 29 && m >= 0 && m <= 59 &&
           SignIndex(text.substr(3, 3)).has_value();
}

int DaysInMonth(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Every fourth year is a leap year throughout 1901..2050.
    return month == 2 && year % 4 == 0 ? 29 : kDays[month - 1];
}

BirthDetails RandomBirth(std::mt19937& random) {
    auto draw = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int year = draw(1901, 2050);
    const int month = draw(1, 12);
    const int day = draw(1, DaysInMonth(month, year));
    // Hour 24 is drawn as often as any other and also forced now and then.
    const int hour = draw(0, 9) == 0 ? 24 : draw(0, 24);
    BirthDetails birth =
        examples::Birth(day, month, year, hour, draw(0, 59), draw(0, kTimeZoneCount - 1));
    // Degrees and minutes are not range-checked by the form: any one- to
    // three-digit number, though most places have ordinary values.
    const bool ordinary = draw(0, 3) != 0;
    birth.latitudeDegrees = static_cast<std::int16_t>(ordinary ? draw(0, 89) : draw(0, 999));
    birth.latitudeMinutes = static_cast<std::int16_t>(ordinary ? draw(0, 59) : draw(0, 999));
    birth.longitudeDegrees = static_cast<std::int16_t>(ordinary ? draw(0, 180) : draw(0, 999));
    birth.longitudeMinutes = static_cast<std::int16_t>(ordinary ? draw(0, 59) : draw(0, 999));
    birth.isSouth = draw(0, 1) == 1;
    birth.isEast = draw(0, 1) == 1;
    birth.daylightSaving = draw(0, 1) == 1;
    return birth;
}

std::string Describe(const BirthDetails& b) {
    return std::to_string(b.day) + "." + std::to_string(b.month) + "." + std::to_string(b.year) +
           " " + std::to_string(b.hour) + ":" + std::to_string(b.minute) + " zone row " +
           std::to_string(b.zoneIndex) + (b.daylightSaving ? " DST" : "") + " lat " +
           std::to_string(b.latitudeDegrees) + "/" + std::to_string(b.latitudeMinutes) +
           (b.isSouth ? "S" : "N") + " lon " + std::to_string(b.longitudeDegrees) + "/" +
           std::to_string(b.longitudeMinutes) + (b.isEast ? "E" : "W");
}

TEST(EngineProperty, RandomBirthsGiveFiniteValuesAndWellFormedTexts) {
    std::mt19937 random(19012050);
    for (int sample = 0; sample < 20000; ++sample) {
        const BirthDetails birth = RandomBirth(random);
        SCOPED_TRACE(Describe(birth));

        const BirthInstantValues instant = BirthInstant(birth);
        ASSERT_TRUE(std::isfinite(instant.centuriesJ2000));
        // The Moon and the angles use the same instant as the planets.
        const CivilMoment moment = PlanetMoment(birth);
        ASSERT_NEAR(
            PlanetDayNumber(moment.year, moment.month, moment.day, moment.hour, moment.minute),
            instant.centuriesJ2000 * 36525.0, 1e-6);
        const AscendantValues angles = AscendantAndMidheaven(birth);
        ASSERT_TRUE(std::isfinite(angles.ayanamsaDegrees));
        ASSERT_TRUE(angles.ascendantDegrees >= 0.0 && angles.ascendantDegrees < 360.0);
        ASSERT_TRUE(angles.midheavenDegrees >= 0.0 && angles.midheavenDegrees < 360.0);

        ChartReading reading;
        ComputeAscendantAndAyanamsa(birth, reading);
        ComputeMoonDetails(birth, reading);
        ComputePlanetTable(birth, reading);

        ASSERT_TRUE(IsAyanamsaText(reading.ayanamsaText)) << reading.ayanamsaText;
        ASSERT_TRUE(IsSignPositionText(reading.lagnaPositionText)) << reading.lagnaPositionText;
        ASSERT_TRUE(IsSignPositionText(reading.midheavenPositionText))
            << reading.midheavenPositionText;
        ASSERT_TRUE(IsSignPositionText(reading.moonPositionText)) << reading.moonPositionText;
        ASSERT_FALSE(reading.nakshatra.empty());
        ASSERT_FALSE(reading.rashi.empty());
        ASSERT_FALSE(reading.moonSignName.empty());

        for (int body = 0; body < kBodyCount; ++body) {
            ASSERT_TRUE(IsShortPositionText(reading.planetPositionText[body]))
                << body << ": '" << reading.planetPositionText[body] << "'";
            // What the divisional charts require of every longitude.
            ASSERT_TRUE(std::isfinite(reading.siderealDegrees[body])) << body;
        }
        // The tables take the Moon and the angles from their own engines.
        ASSERT_EQ(reading.planetPositionText[kMoon], ShortPositionText(reading.moonPositionText));
        ASSERT_EQ(reading.planetPositionText[kAscendant],
                  ShortPositionText(reading.lagnaPositionText));
        // Ketu is opposite Rahu: same degrees and minutes, sign six further on.
        const std::string& rahu = reading.planetPositionText[kRahu];
        const std::string& ketu = reading.planetPositionText[kKetu];
        ASSERT_EQ(rahu.substr(0, 2), ketu.substr(0, 2));
        ASSERT_EQ(rahu.substr(7), ketu.substr(7));
        ASSERT_EQ((*SignIndex(rahu.substr(3, 3)) + 6) % 12, *SignIndex(ketu.substr(3, 3)));
    }
}

// The classical details sit beside the six lines of the results form: working
// them out leaves the reading and the lines as they were, and they count
// Mars into the same house from the Lagna and from the Moon.
TEST(EngineProperty, ClassicalDetailsLeaveTheSixLinesAsTheyAre) {
    std::mt19937 random(15081985);
    for (int sample = 0; sample < 20000; ++sample) {
        const BirthDetails birth = RandomBirth(random);
        SCOPED_TRACE(Describe(birth));
        ChartReading reading;
        const ReadingDisplay before = ComputeReading(birth, reading);
        const ChartReading computed = reading;

        const std::optional<ClassicalKujaDosha> details = AnalyseClassicalKujaDosha(reading);
        ASSERT_TRUE(details.has_value());
        ASSERT_EQ(reading, computed);
        const KujaDoshaLines lagnaAfter =
            DetermineKujaDosha(reading, reading.planetPositionText[kAscendant], "Mars", true);
        const KujaDoshaLines moonAfter =
            DetermineKujaDosha(reading, reading.planetPositionText[kMoon], "Moon", false);
        for (const auto& [shown, after] :
             {std::pair{before.fromLagna, lagnaAfter}, std::pair{before.fromMoon, moonAfter}}) {
            ASSERT_EQ(shown.position, after.position);
            ASSERT_EQ(shown.percentage, after.percentage);
            ASSERT_EQ(shown.verdict, after.verdict);
        }
        ASSERT_EQ(lagnaAfter.position,
                  "Position of Mars from Lagna is " +
                      std::to_string(details->from(KujaReference::Lagna).marsHouse));
        ASSERT_EQ(moonAfter.position,
                  "Position of Mars from Chandra is " +
                      std::to_string(details->from(KujaReference::Moon).marsHouse));
    }
}

TEST(EngineProperty, HourTwentyFourIsMidnightOfTheNextDay) {
    std::mt19937 random(24);
    for (int sample = 0; sample < 2000; ++sample) {
        BirthDetails late = RandomBirth(random);
        late.hour = 24;
        BirthDetails next = late;
        next.hour = 0;
        if (late.day < DaysInMonth(late.month, late.year)) {
            ++next.day;
        } else if (late.month < 12) {
            next.day = 1;
            ++next.month;
        } else if (late.year < 2050) {
            next.day = 1;
            next.month = 1;
            ++next.year;
        } else {
            continue;
        }
        SCOPED_TRACE(Describe(late));
        ASSERT_EQ(PlanetMoment(late), PlanetMoment(next));
        ASSERT_NEAR(BirthInstant(late).centuriesJ2000, BirthInstant(next).centuriesJ2000, 1e-15);
    }
}

}  // namespace
}  // namespace orbalis
