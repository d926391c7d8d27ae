#include "cli/reading_result.h"

#include <gtest/gtest.h>

#include <string>

#include "model/reference_tables.h"

namespace orbalis::cli {
namespace {

struct Case {
    const char* name;
    int day, month, year, hour, minute, zoneRow;
    int latitudeDegrees, latitudeMinutes;
    bool isSouth;
    int longitudeDegrees, longitudeMinutes;
    bool isEast, daylightSaving;
};

BirthDetails BirthOf(const Case& c) {
    BirthDetails birth;
    birth.name = "Sample";
    birth.day = static_cast<std::int16_t>(c.day);
    birth.month = static_cast<std::int16_t>(c.month);
    birth.year = static_cast<std::int16_t>(c.year);
    birth.hour = static_cast<std::int16_t>(c.hour);
    birth.minute = static_cast<std::int16_t>(c.minute);
    ApplyZoneRow(birth, c.zoneRow);
    birth.latitudeDegrees = static_cast<std::int16_t>(c.latitudeDegrees);
    birth.latitudeMinutes = static_cast<std::int16_t>(c.latitudeMinutes);
    birth.isSouth = c.isSouth;
    birth.longitudeDegrees = static_cast<std::int16_t>(c.longitudeDegrees);
    birth.longitudeMinutes = static_cast<std::int16_t>(c.longitudeMinutes);
    birth.isEast = c.isEast;
    birth.daylightSaving = c.daylightSaving;
    return birth;
}

// The batch reading is reused from one birth to the next, as the batch run
// reuses it, so a value left over from the row before would show.
TEST(ComputeBatchReading, AgreesWithTheFullReadingRowAfterRow) {
    const Case cases[] = {
        {"Delhi 1985", 15, 8, 1985, 10, 30, 34, 28, 39, false, 77, 13, true, false},
        {"first year offered, far west", 1, 1, 1901, 0, 0, 36, 0, 0, false, 180, 0, false, false},
        {"last year offered, far east", 31, 12, 2050, 23, 59, 46, 89, 59, true, 179, 59, true,
         true},
        {"hour 24 carries into the next day", 28, 2, 1948, 24, 15, 20, 51, 30, false, 0, 7, false,
         false},
        {"hour 24 on the last day of a year", 31, 12, 1999, 24, 0, 29, 0, 0, false, 0, 0, false,
         false},
        {"southern hemisphere, half-hour zone", 14, 3, 1933, 5, 45, 5, 34, 55, true, 138, 35, true,
         true},
        {"Mercury retrograde in the station table", 14, 12, 1945, 24, 0, 0, 45, 0, false, 123, 0,
         false, false},
        {"the equator at Greenwich", 1, 1, 2000, 12, 0, 29, 0, 0, false, 0, 0, false, false},
        {"leap day", 29, 2, 2024, 6, 6, 27, 40, 42, false, 74, 0, false, true},
        {"high latitude north", 21, 6, 1969, 3, 17, 62, 69, 20, false, 88, 12, true, false},
    };
    BatchReading batch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BirthDetails birth = BirthOf(c);
        FullReading full;
        ComputeFullReading(birth, full);
        ComputeBatchReading(birth, batch);

        EXPECT_EQ(batch.chart, full.chart);
        EXPECT_EQ(batch.retrograde, full.retrograde);
        ASSERT_TRUE(batch.fromLagna.has_value());
        ASSERT_TRUE(batch.fromMoon.has_value());
        EXPECT_EQ(batch.fromLagna, full.display.fromLagnaCount);
        EXPECT_EQ(batch.fromMoon, full.display.fromMoonCount);
    }
}

}  // namespace
}  // namespace orbalis::cli
