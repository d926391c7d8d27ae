#include "places/place_search.h"

#include <algorithm>
#include <cstdint>

#include "places/latin_letters.h"
#include "places/place_table.h"

namespace orbalis {

namespace {

namespace table = place_table;

std::string_view PoolText(std::uint32_t offset) {
    return std::string_view(table::kPool + offset);
}

// The table as Place records, with the folded state and country names the
// narrowing words are compared with. Built on the first search.
struct LoadedPlaces {
    std::vector<Place> places;
    std::vector<std::string> stateKeys;
    std::vector<std::string> countryKeys;
};

LoadedPlaces LoadPlaces() {
    LoadedPlaces loaded;
    loaded.places.reserve(table::kPlaceCount);
    for (std::size_t i = 0; i < table::kPlaceCount; ++i) {
        const table::PlaceRow& row = table::kPlaces[i];
        loaded.places.push_back(
            Place{PoolText(row.name), PoolText(row.asciiName), PoolText(row.alternateNames),
                  PoolText(table::kStates[row.state].name),
                  PoolText(table::kCountries[row.country].name), PoolText(table::kZones[row.zone]),
                  row.latitudeE5 / 1e5, row.longitudeE5 / 1e5, row.population});
    }
    for (std::size_t i = 0; i < table::kStateCount; ++i)
        loaded.stateKeys.push_back(PlaceSearchKey(PoolText(table::kStates[i].name)));
    for (std::size_t i = 0; i < table::kCountryCount; ++i)
        loaded.countryKeys.push_back(PlaceSearchKey(PoolText(table::kCountries[i].name)));
    return loaded;
}

const LoadedPlaces& Loaded() {
    static const LoadedPlaces loaded = LoadPlaces();
    return loaded;
}

bool EqualsFolded(std::string_view code, std::string_view word) {
    return code.size() == word.size() &&
           std::equal(code.begin(), code.end(), word.begin(), [](char c, char w) {
               return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == w;
           });
}

// Whether every narrowing word begins the place's state or country name or
// is one of their codes.
bool MatchesNarrowing(const LoadedPlaces& loaded, std::size_t placeIndex,
                      const std::vector<std::string>& words) {
    const table::PlaceRow& row = table::kPlaces[placeIndex];
    const table::StateRow& state = table::kStates[row.state];
    const table::CountryRow& country = table::kCountries[row.country];
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return loaded.stateKeys[row.state].starts_with(word) ||
               loaded.countryKeys[row.country].starts_with(word) ||
               EqualsFolded(PoolText(state.code), word) ||
               EqualsFolded(PoolText(country.iso2), word) ||
               EqualsFolded(PoolText(country.iso3), word);
    });
}

bool IsWhole(PlaceMatchKind kind) {
    return kind == PlaceMatchKind::ExactName || kind == PlaceMatchKind::ExactAlternate;
}

constexpr std::uint8_t kNotMatched = 0xFF;
constexpr std::uint8_t kNarrowedAway = 0xFE;

}  // namespace

bool PlaceFinderAvailable() {
    return table::kPlaceCount > 0;
}

std::vector<PlaceMatch> MatchPlaces(std::string_view query, std::size_t limit) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= query.size()) {
        const std::size_t comma = std::min(query.find(',', start), query.size());
        words.push_back(PlaceSearchKey(query.substr(start, comma - start)));
        start = comma + 1;
    }
    const std::string key = words.front();
    words.erase(words.begin());
    std::erase_if(words, [](const std::string& word) { return word.empty(); });
    if (key.empty() || limit == 0 || !PlaceFinderAvailable()) return {};

    const LoadedPlaces& loaded = Loaded();
    const table::KeyRow* const keysEnd = table::kKeys + table::kKeyCount;
    const table::KeyRow* first = std::lower_bound(
        table::kKeys, keysEnd, key, [](const table::KeyRow& row, const std::string& text) {
            return PoolText(row.text) < text;
        });

    // The best kind of match for each place found, or why it is left out.
    std::vector<std::uint8_t> best(loaded.places.size(), kNotMatched);
    std::vector<std::uint32_t> found;
    for (const table::KeyRow* row = first; row != keysEnd; ++row) {
        const std::string_view text = PoolText(row->text);
        if (!text.starts_with(key)) break;
        const std::uint32_t place = row->place & ~table::kAlternateBit;
        const bool alternate = (row->place & table::kAlternateBit) != 0;
        const bool whole = text.size() == key.size();
        const PlaceMatchKind kind =
            whole ? (alternate ? PlaceMatchKind::ExactAlternate : PlaceMatchKind::ExactName)
                  : (alternate ? PlaceMatchKind::AlternatePrefix : PlaceMatchKind::Prefix);
        std::uint8_t& slot = best[place];
        if (slot == kNarrowedAway) continue;
        if (slot == kNotMatched) {
            if (!words.empty() && !MatchesNarrowing(loaded, place, words)) {
                slot = kNarrowedAway;
                continue;
            }
            found.push_back(place);
            slot = static_cast<std::uint8_t>(kind);
        } else {
            slot = std::min(slot, static_cast<std::uint8_t>(kind));
        }
    }

    auto before = [&](std::uint32_t a, std::uint32_t b) {
        if (best[a] != best[b]) return best[a] < best[b];
        if (loaded.places[a].population != loaded.places[b].population)
            return loaded.places[a].population > loaded.places[b].population;
        return a < b;
    };
    const std::size_t count = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count),
                      found.end(), before);
    std::vector<PlaceMatch> matches;
    matches.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        matches.push_back({&loaded.places[found[i]], static_cast<PlaceMatchKind>(best[found[i]])});
    return matches;
}

std::vector<const Place*> FindPlaces(std::string_view query, std::size_t limit) {
    std::vector<const Place*> places;
    for (const PlaceMatch& match : MatchPlaces(query, limit)) places.push_back(match.place);
    return places;
}

std::string PlaceLabel(const Place& place) {
    std::string label(place.name);
    if (!place.state.empty()) label.append(", ").append(place.state);
    if (!place.country.empty()) label.append(", ").append(place.country);
    return label;
}

PlaceResolution ResolvePlace(std::string_view query, std::size_t maxCandidates) {
    const std::vector<PlaceMatch> matches =
        MatchPlaces(query, std::max<std::size_t>(maxCandidates, 1) + 1);
    PlaceResolution resolution;
    if (matches.empty()) return resolution;
    const bool onlyOne = matches.size() == 1;
    const bool onlyBestWhole =
        !onlyOne && IsWhole(matches[0].kind) && matches[1].kind != matches[0].kind;
    if (onlyOne || onlyBestWhole) {
        resolution.place = matches[0].place;
        return resolution;
    }
    for (std::size_t i = 0; i < matches.size() && i < maxCandidates; ++i)
        resolution.candidates.push_back(matches[i].place);
    return resolution;
}

}  // namespace orbalis
