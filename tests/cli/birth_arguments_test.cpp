#include "cli/birth_arguments.h"

#include <gtest/gtest.h>

#include <string>

#include "model/reference_tables.h"

namespace orbalis::cli {
namespace {

// The Delhi example: 15 August 1985, 10:30, zone row 34 (IST), 28N39 77E13.
BirthTexts Delhi() {
    return {"Sample", "1985-08-15", "10:30",     "34",    "28N39",
            "77E13",  "0",          "New Delhi", "Delhi", "India"};
}

TEST(EntriesFromTexts, DelhiExampleFillsTheForm) {
    const BirthEntries result = EntriesFromTexts(Delhi());
    ASSERT_FALSE(result.problem) << *result.problem;
    const FormEntries& e = result.entries;
    EXPECT_EQ(e.name, "Sample");
    EXPECT_EQ(e.day, 15);
    EXPECT_EQ(e.monthIndex, 7);
    EXPECT_EQ(e.year, 1985);
    EXPECT_EQ(e.hour, 10);
    EXPECT_EQ(e.minute, 30);
    EXPECT_EQ(e.zoneIndex, 34);
    EXPECT_EQ(e.latitudeDegrees, "28");
    EXPECT_EQ(e.latitudeMinutes, "39");
    EXPECT_TRUE(e.north);
    EXPECT_FALSE(e.south);
    EXPECT_EQ(e.longitudeDegrees, "77");
    EXPECT_EQ(e.longitudeMinutes, "13");
    EXPECT_TRUE(e.east);
    EXPECT_FALSE(e.west);
    EXPECT_FALSE(e.daylightSaving);
    EXPECT_EQ(e.city, "New Delhi");
    EXPECT_TRUE(e.imageWriterAvailable);
}

TEST(EntriesFromTexts, AcceptedForms) {
    struct Case {
        const char* name;
        BirthTexts texts;
        int day, monthIndex, year, hour, minute;
        bool south, west, daylightSaving;
    };
    auto with = [](auto change) {
        BirthTexts t = Delhi();
        change(t);
        return t;
    };
    const Case cases[] = {
        {"southern and western place", with([](BirthTexts& t) {
             t.latitude = "33S52";
             t.longitude = "151W12";
         }),
         15, 7, 1985, 10, 30, true, true, false},
        {"lower-case directions", with([](BirthTexts& t) {
             t.latitude = "33s52";
             t.longitude = "2w5";
         }),
         15, 7, 1985, 10, 30, true, true, false},
        {"hour 24 is the list's last entry", with([](BirthTexts& t) { t.time = "24:00"; }), 15, 7,
         1985, 24, 0, false, false, false},
        {"first offered day", with([](BirthTexts& t) { t.date = "1901-01-01"; }), 1, 0, 1901, 10,
         30, false, false, false},
        {"last offered year", with([](BirthTexts& t) { t.date = "2050-12-31"; }), 31, 11, 2050, 10,
         30, false, false, false},
        {"29 February of a leap year", with([](BirthTexts& t) { t.date = "1904-02-29"; }), 29, 1,
         1904, 10, 30, false, false, false},
        {"one-digit month and day", with([](BirthTexts& t) { t.date = "1985-8-5"; }), 5, 7, 1985,
         10, 30, false, false, false},
        {"dst yes in capitals", with([](BirthTexts& t) { t.daylightSaving = "YES"; }), 15, 7, 1985,
         10, 30, false, false, true},
        {"dst true", with([](BirthTexts& t) { t.daylightSaving = "True"; }), 15, 7, 1985, 10, 30,
         false, false, true},
        {"dst 1", with([](BirthTexts& t) { t.daylightSaving = "1"; }), 15, 7, 1985, 10, 30, false,
         false, true},
        {"empty dst is no", with([](BirthTexts& t) { t.daylightSaving = ""; }), 15, 7, 1985, 10, 30,
         false, false, false},
        {"blanks around the numbers", with([](BirthTexts& t) {
             t.date = " 1985-08-15 ";
             t.time = " 10:30";
             t.zone = "34 ";
         }),
         15, 7, 1985, 10, 30, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BirthEntries result = EntriesFromTexts(c.texts);
        ASSERT_FALSE(result.problem) << *result.problem;
        EXPECT_EQ(result.entries.day, c.day);
        EXPECT_EQ(result.entries.monthIndex, c.monthIndex);
        EXPECT_EQ(result.entries.year, c.year);
        EXPECT_EQ(result.entries.hour, c.hour);
        EXPECT_EQ(result.entries.minute, c.minute);
        EXPECT_EQ(result.entries.south, c.south);
        EXPECT_EQ(result.entries.north, !c.south);
        EXPECT_EQ(result.entries.west, c.west);
        EXPECT_EQ(result.entries.east, !c.west);
        EXPECT_EQ(result.entries.daylightSaving, c.daylightSaving);
    }
}

TEST(EntriesFromTexts, RefusedWithTheFormsMessages) {
    struct Case {
        const char* name;
        void (*change)(BirthTexts&);
        std::string_view message;
    };
    const Case cases[] = {
        {"empty name", [](BirthTexts& t) { t.name = ""; }, "Please Enter Your Name"},
        {"digit in the name", [](BirthTexts& t) { t.name = "R2D2"; }, "Please enter only letters"},
        {"apostrophe in the city", [](BirthTexts& t) { t.city = "Int'l"; },
         "Please enter only letters"},
        {"accented letter in the country", [](BirthTexts& t) { t.country = "M\xC3\xA9xico"; },
         "Please enter only letters"},
        {"no latitude", [](BirthTexts& t) { t.latitude = ""; }, "Please Enter Degree of Latitude"},
        {"latitude without degrees", [](BirthTexts& t) { t.latitude = "N39"; },
         "Please Enter Degree of Latitude"},
        {"latitude without minutes", [](BirthTexts& t) { t.latitude = "28N"; },
         "Please Enter Minutes of Latitude"},
        {"longitude without degrees", [](BirthTexts& t) { t.longitude = "E13"; },
         "Please Enter Degree of Longitude"},
        {"longitude without minutes", [](BirthTexts& t) { t.longitude = "77E"; },
         "Please Enter Minute of Longitude"},
        {"empty city", [](BirthTexts& t) { t.city = ""; }, "Please Enter Your City name"},
        {"empty state", [](BirthTexts& t) { t.state = ""; }, "Please Enter Your State name"},
        {"empty country", [](BirthTexts& t) { t.country = ""; }, "Please Enter Your Country name"},
        {"latitude beyond the pole", [](BirthTexts& t) { t.latitude = "91N00"; },
         "Please Enter Correct Degree of Latitude"},
        {"latitude minutes 60", [](BirthTexts& t) { t.latitude = "28N60"; },
         "Please Enter Correct Minutes of Latitude"},
        {"longitude beyond 180", [](BirthTexts& t) { t.longitude = "180E01"; },
         "Please Enter Correct Degree of Longitude"},
        {"29 February 1901", [](BirthTexts& t) { t.date = "1901-02-29"; },
         "Please Enter Correct Date Or Month!"},
        {"30 February 2000", [](BirthTexts& t) { t.date = "2000-02-30"; },
         "Please Enter Correct Date Or Month!"},
        {"31 April", [](BirthTexts& t) { t.date = "1980-04-31"; },
         "Please Enter Correct Date Or Month !"},
        {"year before the list", [](BirthTexts& t) { t.date = "1900-12-31"; }, kYearRangeMessage},
        {"year after the list", [](BirthTexts& t) { t.date = "2051-01-01"; }, kYearRangeMessage},
        {"month 13", [](BirthTexts& t) { t.date = "1985-13-01"; }, kMonthRangeMessage},
        {"day 0", [](BirthTexts& t) { t.date = "1985-08-00"; }, kDayRangeMessage},
        {"day 32", [](BirthTexts& t) { t.date = "1985-08-32"; }, kDayRangeMessage},
        {"date day first", [](BirthTexts& t) { t.date = "15-08-1985"; }, kDateFormatMessage},
        {"date with slashes", [](BirthTexts& t) { t.date = "1985/08/15"; }, kDateFormatMessage},
        {"date with a sign", [](BirthTexts& t) { t.date = "1985-+8-15"; }, kDateFormatMessage},
        {"missing date", [](BirthTexts& t) { t.date = ""; }, kMissingDateMessage},
        {"hour 25", [](BirthTexts& t) { t.time = "25:00"; }, kTimeFormatMessage},
        {"minute 60", [](BirthTexts& t) { t.time = "10:60"; }, kTimeFormatMessage},
        {"one-digit minute", [](BirthTexts& t) { t.time = "10:5"; }, kTimeFormatMessage},
        {"time with seconds", [](BirthTexts& t) { t.time = "10:30:00"; }, kTimeFormatMessage},
        {"missing time", [](BirthTexts& t) { t.time = ""; }, kMissingTimeMessage},
        {"zone past the last row",
         [](BirthTexts& t) {
             static const std::string pastTheLastRow = std::to_string(kTimeZoneCount);
             t.zone = pastTheLastRow;  // a view: the text must outlive the call
         },
         kZoneMessage},
        {"negative zone", [](BirthTexts& t) { t.zone = "-1"; }, kZoneMessage},
        {"zone as a name", [](BirthTexts& t) { t.zone = "IST"; }, kZoneMessage},
        {"missing zone", [](BirthTexts& t) { t.zone = ""; }, kMissingZoneMessage},
        {"latitude with E", [](BirthTexts& t) { t.latitude = "28E39"; }, kLatitudeFormatMessage},
        {"latitude decimal", [](BirthTexts& t) { t.latitude = "28.65"; }, kLatitudeFormatMessage},
        {"latitude with four digits", [](BirthTexts& t) { t.latitude = "0028N39"; },
         kLatitudeFormatMessage},
        {"latitude twice a direction", [](BirthTexts& t) { t.latitude = "28NS39"; },
         kLatitudeFormatMessage},
        {"longitude with N", [](BirthTexts& t) { t.longitude = "77N13"; }, kLongitudeFormatMessage},
        {"dst maybe", [](BirthTexts& t) { t.daylightSaving = "maybe"; }, kDaylightSavingMessage},
        // The first problem in the form's order wins.
        {"name before date",
         [](BirthTexts& t) {
             t.name = "4";
             t.date = "x";
         },
         "Please enter only letters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthTexts texts = Delhi();
        c.change(texts);
        const BirthEntries result = EntriesFromTexts(texts);
        ASSERT_TRUE(result.problem);
        EXPECT_EQ(*result.problem, c.message);
    }
}

TEST(EntriesFromTexts, BlankNameIsRefusedAsOnTheForm) {
    BirthTexts texts = Delhi();
    texts.name = "   ";
    const BirthEntries result = EntriesFromTexts(texts);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(*result.problem, "Please Enter Your Name");
}

}  // namespace
}  // namespace orbalis::cli
