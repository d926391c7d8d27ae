#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "places/place.h"
#include "places/place_entry_text.h"

namespace orbalis::cli {

// What the places command prints, as ReadingOutcome does: standard output,
// standard error and the exit status (0 found, 1 nothing found, 2 the
// finder is unavailable).
struct PlacesOutcome {
    int exitStatus = 0;
    std::string output;
    std::string error;
};

PlacesOutcome PlacesListing(std::string_view query, std::size_t limit, bool json);

// A coordinate as the --lat and --lon options write it, rounded to the
// nearest minute: "31N20", "74W00".
std::string CoordinateText(double degrees, char positive, char negative);
std::string CoordinateText(const DegreesMinutes& rounded, char positive, char negative);

// The candidates of an unknown or ambiguous place, one label a line, each
// line indented by two blanks.
std::string CandidateLines(const std::vector<const Place*>& candidates);

inline constexpr std::string_view kPlaceFinderUnavailableMessage =
    "The place finder is unavailable: this program was built without the GeoNames place table";

}  // namespace orbalis::cli
