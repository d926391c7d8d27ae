#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "places/place.h"

namespace orbalis {

// False when the program was built without the place data: the table is empty
// and every search finds nothing.
bool PlaceFinderAvailable();

// How well a place matched the first part of a query.
enum class PlaceMatchKind {
    ExactName,        // the name or its ASCII spelling, whole
    ExactAlternate,   // one of the alternate names, whole
    Prefix,           // the beginning of the name or its ASCII spelling
    AlternatePrefix,  // the beginning of an alternate name only
};

struct PlaceMatch {
    const Place* place;
    PlaceMatchKind kind;
};

// Places whose name, ASCII name or an alternate name begins with the text
// before the first comma, ignoring case and accents; each later comma-part
// must begin the place's state or country name (or be the country's ISO code
// or the state's letter code): "Delhi, India", "Springfield, Illinois".
// Whole-name matches come first, then the larger towns; at most limit.
std::vector<PlaceMatch> MatchPlaces(std::string_view query, std::size_t limit);
std::vector<const Place*> FindPlaces(std::string_view query, std::size_t limit);

// "Jalandhar, Punjab, India" (UTF-8); without the state when it has none.
std::string PlaceLabel(const Place& place);

// A typed place that names one town: the only match, or the only one among
// the best whole-name matches. Otherwise no place and up to maxCandidates
// candidates (none when nothing matched at all).
struct PlaceResolution {
    const Place* place = nullptr;
    std::vector<const Place*> candidates;
};
PlaceResolution ResolvePlace(std::string_view query, std::size_t maxCandidates = 10);

}  // namespace orbalis
