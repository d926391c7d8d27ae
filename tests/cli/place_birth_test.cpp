// Readings at a typed place: what the place fills, what the user's own
// options keep, and how an unknown or ambiguous place is refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/reading_command.h"
#include "clock/place_clock.h"
#include "places/place_search.h"

namespace orbalis::cli {
namespace {

// A birth typed with the place's texts left empty unless given.
BirthTexts Birth(std::string_view date, std::string_view time, std::string_view zone = {},
                 std::string_view latitude = {}, std::string_view daylightSaving = {},
                 std::string_view city = {}) {
    return {"A", date, time, zone, latitude, {}, daylightSaving, city, {}, {}};
}

TEST(ReadingAtPlace, FillsPlaceCoordinatesZoneAndDaylightSaving) {
    if (!PlaceFinderAvailable() || !ClockDatabaseAvailable())
        GTEST_SKIP() << "built without the place table or the time zone database";
    struct Case {
        const char* name;
        BirthTexts texts;
        const char* place;
        int zoneIndex;
        bool daylightSaving;
        const char* utcOffset;
        const char* city;
        int latitudeDegrees, latitudeMinutes;
        bool isEast;
        const char* note;  // stderr begins with this
    };
    const Case cases[] = {
        {"Jalandhar, Indian time", Birth("1985-08-15", "10:30"), "Jalandhar, Punjab, India", 34,
         false, "+05:30", "Jalandhar", 31, 20, true, ""},
        {"New York, standard time", Birth("1971-11-03", "23:05"), "New York", 27, false, "-05:00",
         "New York City", 40, 43, false, ""},
        {"New York, daylight saving", Birth("1976-07-04", "20:15"), "new york city", 27, true,
         "-04:00", "New York City", 40, 43, false, ""},
        {"a time that never happened", Birth("2021-03-14", "02:30"), "New York", 27, false,
         "-05:00", "New York City", 40, 43, false, "2021-03-14 02:30 never happened in New York"},
        {"the user's zone, city and latitude win",
         Birth("1985-08-15", "10:30", "29", "10S05", "", "Elsewhere"), "Jalandhar", 29, false,
         "+00:00", "Elsewhere", 10, 5, true, ""},
        {"the user's daylight saving wins", Birth("1985-08-15", "10:30", "", "", "1"), "Jalandhar",
         34, true, "+06:30", "Jalandhar", 31, 20, true, ""},
        // The offset is the zone row's, whichever side of Greenwich the town lies.
        {"west of Greenwich on a zone east of it", Birth("1990-07-01", "12:00"), "Madrid, Spain",
         20, true, "+02:00", "Madrid", 40, 25, false, ""},
        {"east of Greenwich on a zone west of it", Birth("1985-08-15", "10:30", "27"), "Jalandhar",
         27, false, "-05:00", "Jalandhar", 31, 20, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadingOutcome outcome = ReadingAtPlace(c.place, c.texts, ReadingFormat::Json);
        ASSERT_EQ(outcome.exitStatus, 0) << outcome.error;
        EXPECT_TRUE(outcome.error.starts_with(c.note)) << outcome.error;
        const nlohmann::json j = nlohmann::json::parse(outcome.output);
        const auto& birth = j.at("birth");
        EXPECT_EQ(birth.at("zoneIndex"), c.zoneIndex);
        EXPECT_EQ(birth.at("daylightSaving"), c.daylightSaving);
        EXPECT_EQ(birth.at("city"), c.city);
        EXPECT_EQ(birth.at("latitudeDegrees"), c.latitudeDegrees);
        EXPECT_EQ(birth.at("latitudeMinutes"), c.latitudeMinutes);
        EXPECT_EQ(birth.at("isEast"), c.isEast);
        EXPECT_EQ(j.at("utc_offset"), c.utcOffset);
        EXPECT_FALSE(j.at("place_zone").get<std::string>().empty());
    }
}

TEST(ReadingAtPlace, RefusesAnUnknownOrAmbiguousPlaceNamingCandidates) {
    if (!PlaceFinderAvailable()) GTEST_SKIP() << "built without the place table";
    const BirthTexts birth = Birth("1985-08-15", "10:30");
    const ReadingOutcome unknown = ReadingAtPlace("Xqzzyville", birth, ReadingFormat::Text);
    EXPECT_EQ(unknown.exitStatus, kReadingRefused);
    EXPECT_EQ(unknown.error, "No place matches \"Xqzzyville\"");
    EXPECT_TRUE(unknown.output.empty());

    const ReadingOutcome ambiguous = ReadingAtPlace("Springfield", birth, ReadingFormat::Text);
    EXPECT_EQ(ambiguous.exitStatus, kReadingRefused);
    EXPECT_TRUE(ambiguous.error.starts_with("The place \"Springfield\" could be any of these"));
    EXPECT_NE(ambiguous.error.find("\n  Springfield, Illinois, United States"), std::string::npos);
    EXPECT_LE(std::count(ambiguous.error.begin(), ambiguous.error.end(), '\n'), 10);

    const ReadingOutcome badDate =
        ReadingAtPlace("Jalandhar", Birth("1985-02-30", "10:30"), ReadingFormat::Text);
    EXPECT_EQ(badDate.error, "Please Enter Correct Date Or Month!");
}

}  // namespace
}  // namespace orbalis::cli
