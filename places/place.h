#pragma once

#include <cstdint>
#include <string_view>

namespace orbalis {

// One town of the place table. The texts point into the table compiled into
// the program and live as long as it does.
struct Place {
    std::string_view name;  // UTF-8 as the source writes it ("Jalandhar", "Bengaluru")
    std::string_view asciiName;
    std::string_view alternateNames;  // comma-separated, possibly empty
    std::string_view state;           // first-level division name, may be empty
    std::string_view country;         // country name
    std::string_view zone;            // IANA zone name, "Asia/Kolkata"
    double latitudeDegrees;           // north-positive
    double longitudeDegrees;          // east-positive
    std::int32_t population;
};

}  // namespace orbalis
