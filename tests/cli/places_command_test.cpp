#include <gtest/gtest.h>

#include "cli/places_command.h"
#include "places/place_search.h"

namespace orbalis::cli {
namespace {

TEST(PlacesCommand, ListsMatchesWithTheirCoordinatesAndZone) {
    if (!PlaceFinderAvailable()) GTEST_SKIP() << "built without the GeoNames place data";
    struct Case {
        const char* query;
        bool json;
        int status;
        const char* outStart;
    };
    const Case cases[] = {
        {"Jalandhar", false, 0, "Jalandhar, Punjab, India   31N20  75E35  Asia/Kolkata\n"},
        {"jalandhar, punjab", true, 0, "[\n  {\n    \"label\": \"Jalandhar, Punjab, India\",\n"},
        {"Springfield, Illinois", false, 0,
         "Springfield, Illinois, United States   39N48  89W39  America/Chicago\n"},
        {"Xqzzyville", false, 1, ""},
        {"Xqzzyville", true, 1, "[]\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const PlacesOutcome outcome = PlacesListing(c.query, 3, c.json);
        EXPECT_EQ(outcome.exitStatus, c.status);
        EXPECT_EQ(outcome.output.substr(0, std::string_view(c.outStart).size()), c.outStart);
        EXPECT_EQ(outcome.error.empty(), c.status == 0) << outcome.error;
    }
    EXPECT_EQ(CoordinateText(-74.00597, 'E', 'W'), "74W00");
    EXPECT_EQ(CoordinateText(-33.86785, 'N', 'S'), "33S52");
}

}  // namespace
}  // namespace orbalis::cli
