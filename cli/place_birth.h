#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/birth_arguments.h"
#include "clock/place_clock.h"
#include "places/place.h"

namespace orbalis::cli {

// What a typed place gives a birth: the texts of the options and columns it
// fills (city, state, country in the letters the form accepts, coordinates to
// the nearest minute, the zone row and daylight saving of its clock at the
// birth's date and time), for any the user left empty.
struct PlaceFill {
    const Place* place = nullptr;
    std::optional<PlaceClock> clock;  // nothing when the date or time cannot be read
    std::string zone, latitude, longitude, daylightSaving, city, state, country;
    std::string problem;  // why the place gives nothing; the birth is then refused
    std::string note;     // the local time never happened or happened twice
};

// How a message lists candidates: one a line for a terminal, "; " in a CSV field.
enum class CandidateLayout { Lines, OneLine };

// `given` is the birth as typed; its date and time choose the clock, its
// non-empty zone and daylight-saving texts are the user's and need no clock.
PlaceFill FillFromPlace(std::string_view query, const BirthTexts& given, CandidateLayout layout);

// The two halves of FillFromPlace: the town and the texts it gives any birth
// (what a batch keeps from row to row), then its clock at one birth's date
// and time (the zone, daylight saving and note of `fill` are rewritten).
PlaceFill PlaceTexts(std::string_view query, CandidateLayout layout);
void AddPlaceClock(const BirthTexts& given, PlaceFill& fill);

// The texts of `given`, with every empty one taken from the place.
BirthTexts WithPlace(const BirthTexts& given, const PlaceFill& fill);

}  // namespace orbalis::cli
