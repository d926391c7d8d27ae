#pragma once

#include <string>

#include "places/place.h"
#include "places/place_entry_text.h"

namespace orbalis {

// What a town puts in the boxes of the birth-details form, for the window and
// the companion alike: city, state and country in the letters the boxes take
// (the city in its ASCII spelling where the source writes it in another
// script), and the coordinates to the nearest minute. A town without a state
// gives its country as the state too, since the form needs one.
struct PlaceFormBoxes {
    std::string city;
    std::string state;
    std::string country;
    DegreesMinutes latitude;   // negative: south
    DegreesMinutes longitude;  // negative: west
};

PlaceFormBoxes FormBoxesOf(const Place& place);

}  // namespace orbalis
