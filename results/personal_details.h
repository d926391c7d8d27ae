#pragma once

#include <string>
#include <string_view>

#include "model/catalogue.h"

#include "model/birth_details.h"

namespace orbalis {

// The eight lines of the "Personal Details" group of the results form.
// Numbers are plain decimal; the hemispheres, the zone and daylight saving
// are not shown.
struct PersonalDetailTexts {
    std::string name;         // "Name: Asha"
    std::string city;         // "City: Delhi"
    std::string state;        // "State: Delhi"
    std::string country;      // "Country: India"
    std::string dateOfBirth;  // "Date of Birth: August 15, 1985"
    std::string timeOfBirth;  // "Time of Birth: 10 HH 30 MM " (the trailing blank belongs)
    std::string latitude;     // "Latitude: 28 Degree 39 Minute"
    std::string longitude;    // "Longitude: 77 Degree 13 Minute"
};

PersonalDetailTexts PersonalDetails(const BirthDetails& birth, const Catalogue& words = English());

}  // namespace orbalis
