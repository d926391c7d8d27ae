// The place search built on an empty table, as it is when the GeoNames files
// are missing: it says so and finds nothing, and nothing fails.

#include <gtest/gtest.h>

#include "places/place_search.h"

namespace orbalis {
namespace {

TEST(PlaceFinderWithoutData, SaysItIsUnavailableAndFindsNothing) {
    EXPECT_FALSE(PlaceFinderAvailable());
    EXPECT_TRUE(FindPlaces("Delhi", 10).empty());
    const PlaceResolution resolution = ResolvePlace("Delhi, India");
    EXPECT_EQ(resolution.place, nullptr);
    EXPECT_TRUE(resolution.candidates.empty());
}

}  // namespace
}  // namespace orbalis
