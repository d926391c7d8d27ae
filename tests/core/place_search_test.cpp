#include <gtest/gtest.h>

#include "places/place_entry_text.h"
#include "places/place_form_boxes.h"
#include "places/place_search.h"

namespace orbalis {
namespace {

#define SKIP_WITHOUT_PLACES() \
    if (!PlaceFinderAvailable()) GTEST_SKIP() << "built without the GeoNames place data"

TEST(PlaceSearch, RanksWholeNamesFirstThenLargerTowns) {
    SKIP_WITHOUT_PLACES();
    struct Case {
        const char* query;
        const char* firstLabel;
    };
    const Case cases[] = {
        {"Delhi", "Delhi, NCT, India"},
        {"delhi, india", "Delhi, NCT, India"},
        {"New Delhi", "New Delhi, NCT, India"},  // also an alternate name of Delhi
        {"udupi", "Udipi, Karnataka, India"},    // GeoNames' spelling; Udupi is an alternate
        {"UDIP", "Udipi, Karnataka, India"},
        {"Jalandhar", "Jalandhar, Punjab, India"},
        {"Springfield", "Springfield, Missouri, United States"},  // the largest of them
        {"Springfield, Illinois", "Springfield, Illinois, United States"},
        {"springfield, il, us", "Springfield, Illinois, United States"},
        {"Springfield, Oregon", "Springfield, Oregon, United States"},
        {"sao paulo", "São Paulo, São Paulo, Brazil"},
        {"Bengaluru", "Bangalore, Karnataka, India"},  // an alternate name, whole
        {"Düsseldorf", "Düsseldorf, North Rhine-Westphalia, Germany"},
        {"Jal", "Jalandhar, Punjab, India"},     // before Xalapa, whose code is JAL
        {"Bomb", "Mumbai, Maharashtra, India"},  // only an alternate name begins so
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const std::vector<const Place*> found = FindPlaces(c.query, 5);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(PlaceLabel(*found.front()), c.firstLabel);
    }
}

TEST(PlaceSearch, KeepsToTheLimitAndTheNarrowingWords) {
    SKIP_WITHOUT_PLACES();
    EXPECT_EQ(FindPlaces("s", 7).size(), 7u);
    EXPECT_TRUE(FindPlaces("s", 0).empty());
    EXPECT_TRUE(FindPlaces("", 5).empty());
    EXPECT_TRUE(FindPlaces(" , India", 5).empty());
    EXPECT_TRUE(FindPlaces("Xqzzyville", 5).empty());
    EXPECT_TRUE(FindPlaces("Москва", 5).empty());  // only Latin-script names are searched
    for (const Place* place : FindPlaces("Springfield, Illinois", 20)) {
        EXPECT_EQ(place->state, "Illinois");
    }
    for (const Place* place : FindPlaces("San, Mexico", 50)) {
        EXPECT_EQ(place->country, "Mexico");
    }
    const std::vector<const Place*> delhi = FindPlaces("Delhi, India", 1);
    ASSERT_EQ(delhi.size(), 1u);
    EXPECT_EQ(delhi[0]->zone, "Asia/Kolkata");
    EXPECT_NEAR(delhi[0]->latitudeDegrees, 28.65381, 1e-5);
    EXPECT_NEAR(delhi[0]->longitudeDegrees, 77.22897, 1e-5);
    EXPECT_GT(delhi[0]->population, 10'000'000);
}

TEST(PlaceSearch, ResolvesOnlyATownTheTextNames) {
    SKIP_WITHOUT_PLACES();
    struct Case {
        const char* query;
        const char* label;  // nullptr: not resolved
        std::size_t candidates;
    };
    const Case cases[] = {
        {"Jalandhar, Punjab, India", "Jalandhar, Punjab, India", 0},
        {"Jalandha", "Jalandhar, Punjab, India", 0},  // the only town it begins
        {"Delhi", "Delhi, NCT, India", 0},            // one whole name beside longer ones
        {"Springfield, Illinois", "Springfield, Illinois, United States", 0},
        {"Springfield", nullptr, 8},
        {"Santa C", nullptr, 10},
        {"Xqzzyville", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const PlaceResolution resolution = ResolvePlace(c.query);
        if (c.label) {
            ASSERT_NE(resolution.place, nullptr);
            EXPECT_EQ(PlaceLabel(*resolution.place), c.label);
        } else {
            EXPECT_EQ(resolution.place, nullptr);
        }
        EXPECT_EQ(resolution.candidates.size(), c.candidates);
    }
}

TEST(PlaceEntryText, KeepsOnlyWhatTheLetterBoxesAccept) {
    struct Case {
        const char* utf8;
        const char* letters;
    };
    const Case cases[] = {
        {"São Paulo", "Sao Paulo"},
        {"Hyderābād", "Hyderabad"},
        {"Winston-Salem", "Winston Salem"},
        {"N'Djamena", "NDjamena"},
        {"Łódź", "Lodz"},
        {"Gießen", "Giessen"},
        {"Cần Thơ", "Can Tho"},
        {"  Saint-Denis  (Réunion) ", "Saint Denis Reunion"},
        {"Tel Aviv 2", "Tel Aviv"},
        {"Москва", ""},
        {"\xff\xfeOslo\xc3", "Oslo"},  // broken UTF-8 is dropped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(LettersOnlyText(c.utf8), c.letters);
    }
}

TEST(PlaceEntryText, RoundsToTheNearestMinute) {
    struct Case {
        double degrees;
        int wholeDegrees, minutes;
        bool negative;
    };
    const Case cases[] = {
        {31.32556, 31, 20, false},                           // Jalandhar
        {-74.00597, 74, 0, true},                            // New York
        {28.65381, 28, 39, false},                           // Delhi
        {13.34083, 13, 20, false}, {9.99999, 10, 0, false},  // rounds up into the next degree
        {-0.0083, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        const DegreesMinutes rounded = RoundToMinute(c.degrees);
        EXPECT_EQ(rounded.degrees, c.wholeDegrees);
        EXPECT_EQ(rounded.minutes, c.minutes);
        EXPECT_EQ(rounded.negative, c.negative);
    }
}

// The window and the companion fill the form from a town alike.
TEST(PlaceFormBoxes, FillEveryBoxTheFormNeeds) {
    struct Case {
        Place place;
        const char* city;
        const char* state;
        const char* country;
    };
    const Case cases[] = {
        {{"Jalandhar", "Jalandhar", "", "Punjab", "India", "Asia/Kolkata", 31.32556, 75.57917, 0},
         "Jalandhar",
         "Punjab",
         "India"},
        // The form refuses an empty state box: the country stands in for it.
        {{"Singapore", "Singapore", "", "", "Singapore", "Asia/Singapore", 1.28967, 103.85007, 0},
         "Singapore",
         "Singapore",
         "Singapore"},
        {{"\u6771\u4eac", "Tokyo", "", "T\u014dky\u014d", "Japan", "Asia/Tokyo", 35.6895, 139.69171,
          0},
         "Tokyo",
         "Tokyo",
         "Japan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.city);
        const PlaceFormBoxes boxes = FormBoxesOf(c.place);
        EXPECT_EQ(boxes.city, c.city);
        EXPECT_EQ(boxes.state, c.state);
        EXPECT_EQ(boxes.country, c.country);
        EXPECT_EQ(boxes.latitude.minutes, RoundToMinute(c.place.latitudeDegrees).minutes);
        EXPECT_EQ(boxes.longitude.degrees, RoundToMinute(c.place.longitudeDegrees).degrees);
    }
}

}  // namespace
}  // namespace orbalis
