#pragma once

#include <string_view>

namespace orbalis {

// The place table's source, credited as its licence (CC BY 4.0) asks.
inline constexpr std::string_view kPlaceDataCredit =
    "Place names, coordinates and time zones from GeoNames (www.geonames.org), "
    "licensed under CC BY 4.0.";

}  // namespace orbalis
