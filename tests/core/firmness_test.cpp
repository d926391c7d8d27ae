#include "reading/firmness.h"

#include <gtest/gtest.h>

#include <random>

#include "model/reference_tables.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

// The run of each answer by reading every minute up to the end of the search.
Firmness ScannedFirmness(const BirthDetails& birth, PositionsMode mode) {
    Firmness firmness;
    const auto given = FirmnessValuesAt(birth, mode, 0);
    for (const int direction : {+1, -1}) {
        std::array<bool, kFirmnessItemCount> ended{};
        for (int minute = 1; minute <= kFirmnessSearchMinutes; ++minute) {
            const auto values = FirmnessValuesAt(birth, mode, direction * minute);
            for (std::size_t item = 0; item < ended.size(); ++item) {
                if (ended[item] || (*values)[item] == (*given)[item]) continue;
                ended[item] = true;
                auto& run = firmness.runs[item];
                (direction > 0 ? run.to : run.from) = direction * (minute - 1);
            }
        }
    }
    return firmness;
}

// Births across India and the years the form offers, at any minute.
BirthDetails RandomIndianBirth(std::mt19937& random) {
    auto in = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    BirthDetails birth;
    birth.year = static_cast<std::int16_t>(in(1901, 2050));
    birth.month = static_cast<std::int16_t>(in(1, 12));
    birth.day = static_cast<std::int16_t>(in(1, 28));
    birth.hour = static_cast<std::int16_t>(in(0, 24));
    birth.minute = static_cast<std::int16_t>(in(0, 59));
    ApplyZoneRow(birth, 34);
    birth.latitudeDegrees = static_cast<std::int16_t>(in(8, 34));
    birth.latitudeMinutes = static_cast<std::int16_t>(in(0, 59));
    birth.longitudeDegrees = static_cast<std::int16_t>(in(68, 96));
    birth.longitudeMinutes = static_cast<std::int16_t>(in(0, 59));
    birth.isEast = true;
    return birth;
}

TEST(Firmness, BisectionFindsWhatAMinuteByMinuteScanFinds) {
    std::mt19937 random(20);
    int changes = 0;
    for (int i = 0; i < 200; ++i) {
        const BirthDetails birth = RandomIndianBirth(random);
        SCOPED_TRACE(::testing::Message() << "birth " << i << ": " << birth.year << '-'
                                          << birth.month << '-' << birth.day << ' ' << birth.hour
                                          << ':' << birth.minute);
        const Firmness found = FirmnessOf(birth, PositionsMode::Classic);
        const Firmness scanned = ScannedFirmness(birth, PositionsMode::Classic);
        for (int item = 0; item < kFirmnessItemCount; ++item) {
            SCOPED_TRACE(FirmnessItemNames[static_cast<std::size_t>(item)].key);
            EXPECT_EQ(found.runs[item], scanned.runs[item]);
            changes += found.runs[item].to.has_value() + found.runs[item].from.has_value();
        }
        const BatchFirmness batch = BatchFirmnessOf(birth, PositionsMode::Classic);
        EXPECT_EQ(batch.lagna, found.of(FirmnessItem::LagnaSign));
        EXPECT_EQ(batch.verdictChangesSoon, VerdictChangesSoon(found));
    }
    EXPECT_GT(changes, 400);  // the runs do end within the search, often
}

TEST(Firmness, TimesOnTheBirthsOwnClock) {
    BirthDetails birth = testing::DelhiBirth1985();
    struct Case {
        int hour, minute, away;
        const char* text;
    };
    const Case cases[] = {
        {10, 30, 11, "1985-08-15 10:41"},
        {23, 50, 15, "1985-08-16 00:05"},
        {24, 10, -20, "1985-08-15 23:50"},
        {0, 5, -10, "1985-08-14 23:55"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        birth.hour = static_cast<std::int16_t>(c.hour);
        birth.minute = static_cast<std::int16_t>(c.minute);
        const BirthDetails moved = BirthMinutesAway(birth, c.away);
        char text[64];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", moved.year, moved.month,
                      moved.day, moved.hour, moved.minute);
        EXPECT_STREQ(text, c.text);
        EXPECT_EQ(moved.zoneIndex, birth.zoneIndex);
    }
}

TEST(Firmness, WarningNamesTheNearestChange) {
    Firmness firmness;
    firmness.givenMinute = 1000 * 1440 + 10 * 60 + 30;
    for (FirmnessRun& run : firmness.runs) run = {-100, 100};
    struct Case {
        FirmnessItem item;
        FirmnessRun run;
        const char* warning;
    };
    const Case cases[] = {
        {FirmnessItem::LagnaSign, {-40, 10},
         "The Lagna changes at 10:41, 11 minutes after the given birth time: please check the time."},
        {FirmnessItem::MoonPada, {0, 30},
         "The Moon's pada changes at 10:29, 1 minute before the given birth time: please check the time."},
        {FirmnessItem::ClassicalVenus, {-16, 16}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.warning);
        Firmness one = firmness;
        one.runs[static_cast<std::size_t>(c.item)] = c.run;
        EXPECT_EQ(FirmnessWarning(one), c.warning);
    }
    firmness.runs[0] = {std::nullopt, 72};
    EXPECT_EQ(FirmnessHoldsText(firmness, FirmnessItem::LagnaSign),
              "holds from before 07:30 to 11:42");
}

}  // namespace
}  // namespace orbalis
