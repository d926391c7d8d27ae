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

// What a batch row says, worked out from the minute-by-minute runs.
bool VerdictChangesWithin15Minutes(const Firmness& scanned) {
    for (const FirmnessItem item : {FirmnessItem::VerdictFromLagna, FirmnessItem::VerdictFromMoon,
                                    FirmnessItem::ClassicalLagna, FirmnessItem::ClassicalMoon,
                                    FirmnessItem::ClassicalVenus, FirmnessItem::ManglikStatus}) {
        const FirmnessRun& run = scanned.of(item);
        if ((run.to && *run.to + 1 <= 15) || (run.from && 1 - *run.from <= 15)) return true;
    }
    return false;
}

TEST(Firmness, SearchFindsWhatAMinuteByMinuteScanFinds) {
    std::mt19937 random(20);
    int changes = 0;
    for (int i = 0; i < 200; ++i) {
        const BirthDetails birth = RandomIndianBirth(random);
        SCOPED_TRACE(::testing::Message()
                     << "birth " << i << ": " << birth.year << '-' << birth.month << '-'
                     << birth.day << ' ' << birth.hour << ':' << birth.minute);
        const Firmness found = FirmnessOf(birth, PositionsMode::Classic);
        const Firmness scanned = ScannedFirmness(birth, PositionsMode::Classic);
        for (int item = 0; item < kFirmnessItemCount; ++item) {
            SCOPED_TRACE(FirmnessItemNames[static_cast<std::size_t>(item)].key);
            EXPECT_EQ(found.runs[item], scanned.runs[item]);
            changes += found.runs[item].to.has_value() + found.runs[item].from.has_value();
        }
        const BatchFirmness batch = BatchFirmnessOf(birth, PositionsMode::Classic);
        EXPECT_EQ(batch.lagna, scanned.of(FirmnessItem::LagnaSign));
        EXPECT_EQ(batch.verdictChangesSoon, VerdictChangesWithin15Minutes(scanned));
    }
    EXPECT_GT(changes, 400);  // the runs do end within the search, often
}

// Births where signs rise fastest: 55° to 66° north and south, any year,
// day, hour and zone row, with and without daylight saving.
BirthDetails RandomHighLatitudeBirth(std::mt19937& random) {
    auto in = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    BirthDetails birth;
    birth.year = static_cast<std::int16_t>(in(1901, 2050));
    birth.month = static_cast<std::int16_t>(in(1, 12));
    birth.day = static_cast<std::int16_t>(in(1, 28));
    birth.hour = static_cast<std::int16_t>(in(3, 20));
    birth.minute = static_cast<std::int16_t>(in(0, 59));
    ApplyZoneRow(birth, in(0, kTimeZoneCount - 1));
    birth.daylightSaving = in(0, 3) == 0;
    birth.latitudeDegrees = static_cast<std::int16_t>(in(55, 65));
    birth.latitudeMinutes = static_cast<std::int16_t>(in(0, 59));
    birth.isSouth = in(0, 1) == 1;
    birth.longitudeDegrees = static_cast<std::int16_t>(in(0, 179));
    birth.longitudeMinutes = static_cast<std::int16_t>(in(0, 59));
    birth.isEast = in(0, 1) == 1;
    return birth;
}

// Between 62° and 66° a sign can rise in a few minutes: every minute of three
// hours either side, in both modes, against the search of the form and the
// lighter one of a batch row; the last few births lie beyond the polar
// circles, where the ascendant jumps. The 300 births of the full replay are
// tools/firmness_replay's.
TEST(Firmness, HighLatitudesMissNoChangeInEitherMode) {
    std::mt19937 random(66);
    int changes = 0;
    for (int i = 0; i < 28; ++i) {
        BirthDetails birth = RandomHighLatitudeBirth(random);
        if (i >= 24) birth.latitudeDegrees = static_cast<std::int16_t>(67 + 5 * (i - 24));
        for (const PositionsMode mode : {PositionsMode::Classic, PositionsMode::Precise}) {
            SCOPED_TRACE(::testing::Message()
                         << "birth " << i << ' ' << PositionsModeName(mode) << ": " << birth.year
                         << '-' << birth.month << '-' << birth.day << ' ' << birth.hour << ':'
                         << birth.minute << " zone " << birth.zoneIndex << ' '
                         << birth.latitudeDegrees << (birth.isSouth ? 'S' : 'N')
                         << birth.latitudeMinutes);
            const Firmness found = FirmnessOf(birth, mode);
            const Firmness scanned = ScannedFirmness(birth, mode);
            for (std::size_t item = 0; item < found.runs.size(); ++item) {
                SCOPED_TRACE(FirmnessItemNames[item].key);
                EXPECT_EQ(found.runs[item], scanned.runs[item]);
                changes += found.runs[item].to.has_value() + found.runs[item].from.has_value();
            }
            const BatchFirmness batch = BatchFirmnessOf(birth, mode);
            EXPECT_EQ(batch.lagna, scanned.of(FirmnessItem::LagnaSign));
            EXPECT_EQ(batch.verdictChangesSoon, VerdictChangesWithin15Minutes(scanned));
        }
    }
    EXPECT_GT(changes, 300);
}

BirthDetails Birth(int year, int month, int day, int hour, int minute, int zone, int latitude,
                   int latitudeMinutes, bool south, int longitude, int longitudeMinutes,
                   bool east) {
    BirthDetails birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    ApplyZoneRow(birth, zone);
    birth.latitudeDegrees = static_cast<std::int16_t>(latitude);
    birth.latitudeMinutes = static_cast<std::int16_t>(latitudeMinutes);
    birth.isSouth = south;
    birth.longitudeDegrees = static_cast<std::int16_t>(longitude);
    birth.longitudeMinutes = static_cast<std::int16_t>(longitudeMinutes);
    birth.isEast = east;
    return birth;
}

// Changes a coarse first pass stepped over, and the ends of the birth years.
TEST(Firmness, ShortRunsAndTheEndsOfTheYears) {
    struct Case {
        const char* name;
        BirthDetails birth;
        PositionsMode mode;
        FirmnessItem item;
        const char* holds;
        bool verdictChangesSoon;
    };
    const Case cases[] = {
        {"Pisces rises 00:13 to 00:19 at 65° 18' N",
         Birth(1919, 6, 21, 0, 42, 9, 65, 18, false, 133, 38, true), PositionsMode::Precise,
         FirmnessItem::ClassicalLagna, "holds from 00:20 to 01:06", false},
        {"the classical verdict from the Lagna changes a minute later, at 65° 50' N",
         Birth(1945, 9, 11, 18, 2, 13, 65, 50, false, 160, 16, false), PositionsMode::Precise,
         FirmnessItem::ClassicalLagna, "holds from before 15:02 to 18:02", true},
        {"the first minute of the years", Birth(1901, 1, 1, 0, 0, 34, 28, 39, false, 77, 13, true),
         PositionsMode::Classic, FirmnessItem::LagnaSign, "holds from before 1901 to 01:24", false},
        {"the last minute of the years",
         Birth(2050, 12, 31, 23, 59, 34, 28, 39, false, 77, 13, true), PositionsMode::Classic,
         FirmnessItem::ManglikStatus, "holds from 23:16 to after 2050", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FirmnessHoldsText(FirmnessOf(c.birth, c.mode), c.item), c.holds);
        EXPECT_EQ(BatchFirmnessOf(c.birth, c.mode).verdictChangesSoon, c.verdictChangesSoon);
    }
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

// The warning names the minute the Details table's run begins or ends with.
TEST(Firmness, WarningsNameTheFirstMinuteOfTheLaterAnswer) {
    Firmness firmness;
    firmness.givenMinute = 1000 * 1440 + 10 * 60 + 30;
    for (FirmnessRun& run : firmness.runs) run = {-100, 100};
    struct Case {
        const char* name;
        std::vector<std::pair<FirmnessItem, FirmnessRun>> runs;
        std::vector<std::string> form;
    };
    const std::string check = ": please check the time.";
    const Case cases[] = {
        {"after",
         {{FirmnessItem::LagnaSign, {-40, 10}}},
         {"The Lagna changes at 10:41, 11 minutes after the given birth time" + check}},
        {"before: the run holds from 10:25",
         {{FirmnessItem::MoonSign, {-5, 40}}},
         {"The Moon sign changes at 10:25, 5 minutes before the given birth time" + check}},
        {"at the given minute",
         {{FirmnessItem::MoonPada, {0, 30}}},
         {"The Moon's pada changes at 10:30, the given birth time" + check}},
        {"another answer only 16 minutes away", {{FirmnessItem::ClassicalVenus, {-15, 15}}}, {}},
        {"the Manglik status first, then the nearest",
         {{FirmnessItem::LagnaSign, {-3, 50}}, {FirmnessItem::ManglikStatus, {-100, 12}}},
         {"The Manglik status changes at 10:43, 13 minutes after the given birth time" + check,
          "The Lagna changes at 10:27, 3 minutes before the given birth time" + check}},
        {"more than the form has room for",
         {{FirmnessItem::LagnaSign, {-3, 50}},
          {FirmnessItem::Nakshatra, {-100, 4}},
          {FirmnessItem::MoonPada, {-100, 4}}},
         {"The Lagna changes at 10:27, 3 minutes before the given birth time" + check,
          "and 2 more \u2014 see Details"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Firmness one = firmness;
        for (const auto& [item, run] : c.runs) one.runs[static_cast<std::size_t>(item)] = run;
        EXPECT_EQ(FirmnessFormWarnings(one), c.form);
        EXPECT_EQ(FirmnessWarning(one), c.form.empty() ? "" : c.form.front());
    }
    firmness.runs[0] = {std::nullopt, 72};
    EXPECT_EQ(FirmnessHoldsText(firmness, FirmnessItem::LagnaSign),
              "holds from before 07:30 to 11:42");
}

}  // namespace
}  // namespace orbalis
