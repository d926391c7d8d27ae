#include "results/personal_details.h"

#include "model/month_names.h"

#include <gtest/gtest.h>

#include <string>

namespace orbalis {
namespace {

BirthDetails Birth(int day, int month, int year, int hour, int minute) {
    BirthDetails birth;
    birth.name = "Asha Verma";
    birth.day = static_cast<std::int16_t>(day);
    birth.month = static_cast<std::int16_t>(month);
    birth.year = static_cast<std::int16_t>(year);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 39;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.city = "New Delhi";
    birth.state = "Delhi";
    birth.country = "India";
    return birth;
}

TEST(PersonalDetails, DateAndTimeLinesHaveNoLeadingZerosAndTheTimeEndsInABlank) {
    struct Case {
        const char* name;
        BirthDetails birth;
        const char* dateOfBirth;
        const char* timeOfBirth;
    };
    const Case cases[] = {
        {"5 March 1980, 7:05", Birth(5, 3, 1980, 7, 5), "Date of Birth: March 5, 1980",
         "Time of Birth: 7 HH 5 MM "},
        {"Delhi, 15 August 1985, 10:30", Birth(15, 8, 1985, 10, 30),
         "Date of Birth: August 15, 1985", "Time of Birth: 10 HH 30 MM "},
        {"first minute of 1901", Birth(1, 1, 1901, 0, 0), "Date of Birth: January 1, 1901",
         "Time of Birth: 0 HH 0 MM "},
        {"hour 24 of the last day", Birth(31, 12, 2050, 24, 59), "Date of Birth: December 31, 2050",
         "Time of Birth: 24 HH 59 MM "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PersonalDetailTexts texts = PersonalDetails(c.birth);
        EXPECT_EQ(texts.dateOfBirth, c.dateOfBirth);
        EXPECT_EQ(texts.timeOfBirth, c.timeOfBirth);
    }
}

TEST(PersonalDetails, PlaceLinesLookTheSameInEveryHemisphere) {
    struct Case {
        const char* name;
        bool isEast;
        bool isSouth;
    };
    const Case cases[] = {
        {"north east", true, false},
        {"north west", false, false},
        {"south east", true, true},
        {"south west", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails birth = Birth(15, 8, 1985, 10, 30);
        birth.isEast = c.isEast;
        birth.isSouth = c.isSouth;
        birth.daylightSaving = c.isSouth;
        const PersonalDetailTexts texts = PersonalDetails(birth);
        EXPECT_EQ(texts.name, "Name: Asha Verma");
        EXPECT_EQ(texts.city, "City: New Delhi");
        EXPECT_EQ(texts.state, "State: Delhi");
        EXPECT_EQ(texts.country, "Country: India");
        EXPECT_EQ(texts.latitude, "Latitude: 28 Degree 39 Minute");
        EXPECT_EQ(texts.longitude, "Longitude: 77 Degree 13 Minute");
    }
}

TEST(FullMonthName, EnglishNamesForTwelveMonthsAndNothingOutside) {
    struct Case {
        int month;
        const char* expected;
    };
    const Case cases[] = {{1, "January"}, {2, "February"}, {9, "September"}, {12, "December"},
                          {0, ""},        {13, ""},        {-1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.month);
        EXPECT_EQ(FullMonthName(c.month), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
