#pragma once

// The place table as the generator writes it (place_table.cpp in the build
// folder): every text NUL-terminated in one pool, referred to by its offset.

#include <cstddef>
#include <cstdint>

namespace orbalis::place_table {

struct PlaceRow {
    std::uint32_t name;
    std::uint32_t asciiName;
    std::uint32_t alternateNames;
    std::uint16_t state;      // index into kStates
    std::uint16_t country;    // index into kCountries
    std::uint16_t zone;       // index into kZones
    std::int32_t latitudeE5;  // degrees times 100000, as the source gives them
    std::int32_t longitudeE5;
    std::int32_t population;
};

struct StateRow {
    std::uint32_t name;
    std::uint32_t code;  // the division's own code ("IL", "23")
};

struct CountryRow {
    std::uint32_t name;
    std::uint32_t iso2;
    std::uint32_t iso3;
};

// A search key: the folded spelling of one name of one place. The keys are
// sorted by text, then by place. kAlternateBit marks an alternate name.
struct KeyRow {
    std::uint32_t text;
    std::uint32_t place;
};
inline constexpr std::uint32_t kAlternateBit = 0x80000000u;

extern const char kPool[];
extern const std::size_t kPlaceCount;
extern const PlaceRow kPlaces[];
extern const std::size_t kKeyCount;
extern const KeyRow kKeys[];
extern const std::size_t kStateCount;
extern const StateRow kStates[];
extern const std::size_t kCountryCount;
extern const CountryRow kCountries[];
extern const std::uint32_t kZones[];

}  // namespace orbalis::place_table
