// Precise positions where the library finds none of its ephemeris files: run
// by the precise_without_ephemeris_files test, which points the library at a
// folder that does not exist.

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "cli/reading_command.h"

namespace orbalis::cli {
namespace {

TEST(PreciseWithoutFiles, SaysTheBuiltInEphemerisWasUsed) {
    if (!std::getenv("ORBALIS_EPHEMERIS_FILES_HIDDEN"))
        GTEST_SKIP() << "needs the ephemeris files hidden";
    const BirthTexts delhi{"Sample", "1985-08-15", "10:30",     "34",    "28N39",
                           "77E13",  "0",          "New Delhi", "Delhi", "India"};
    const ReadingOutcome outcome =
        ReadingFromTexts(delhi, ReadingFormat::Json, PositionsMode::Precise);
    ASSERT_EQ(outcome.exitStatus, 0) << outcome.error;
    const nlohmann::json json = nlohmann::json::parse(outcome.output);
    EXPECT_EQ(json.at("positions"), "precise");
    EXPECT_EQ(json.at("ephemeris"), "Swiss Ephemeris, built-in");
    EXPECT_EQ(PositionsModeMarker(PositionsMode::Precise, true),
              "Positions: precise (Swiss Ephemeris, built-in)");
}

}  // namespace
}  // namespace orbalis::cli
