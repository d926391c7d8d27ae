#include "cli/places_command.h"

#include <algorithm>

#include "cli/json_reading.h"
#include "places/place_entry_text.h"
#include "places/place_search.h"

namespace orbalis::cli {
namespace {

// Characters, not bytes, so that accented labels line up.
std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (const char c : utf8) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return width;
}

std::string TextListing(const std::vector<const Place*>& places) {
    std::vector<std::string> labels;
    std::size_t labelWidth = 0;
    for (const Place* place : places) {
        labels.push_back(PlaceLabel(*place));
        labelWidth = std::max(labelWidth, DisplayWidth(labels.back()));
    }
    std::string listing;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& place = *places[i];
        listing += labels[i];
        listing.append(labelWidth - DisplayWidth(labels[i]) + 2, ' ');
        std::string latitude = CoordinateText(place.latitudeDegrees, 'N', 'S');
        latitude.insert(0, 6 - std::min<std::size_t>(6, latitude.size()), ' ');
        std::string longitude = CoordinateText(place.longitudeDegrees, 'E', 'W');
        longitude.insert(0, 6 - std::min<std::size_t>(6, longitude.size()), ' ');
        listing.append(latitude).append(" ").append(longitude).append("  ");
        listing.append(place.zone).append("\n");
    }
    return listing;
}

std::string JsonListing(const std::vector<const Place*>& places) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Place* place : places) {
        list.push_back({
            {"label", PlaceLabel(*place)},
            {"name", place->name},
            {"asciiName", place->asciiName},
            {"state", place->state},
            {"country", place->country},
            {"latitude", place->latitudeDegrees},
            {"longitude", place->longitudeDegrees},
            {"lat", CoordinateText(place->latitudeDegrees, 'N', 'S')},
            {"lon", CoordinateText(place->longitudeDegrees, 'E', 'W')},
            {"zone", place->zone},
            {"population", place->population},
        });
    }
    return JsonText(list);
}

}  // namespace

std::string CoordinateText(double degrees, char positive, char negative) {
    return CoordinateText(RoundToMinute(degrees), positive, negative);
}

std::string CoordinateText(const DegreesMinutes& rounded, char positive, char negative) {
    std::string text = std::to_string(rounded.degrees);
    text += rounded.negative ? negative : positive;
    if (rounded.minutes < 10) text += '0';
    text += std::to_string(rounded.minutes);
    return text;
}

std::string CandidateLines(const std::vector<const Place*>& candidates) {
    std::string lines;
    for (const Place* place : candidates)
        lines.append("  ").append(PlaceLabel(*place)).append("\n");
    return lines;
}

PlacesOutcome PlacesListing(std::string_view query, std::size_t limit, bool json) {
    PlacesOutcome outcome;
    if (!PlaceFinderAvailable()) {
        outcome.exitStatus = 2;
        outcome.error = std::string(kPlaceFinderUnavailableMessage) + "\n";
        return outcome;
    }
    const std::vector<const Place*> places = FindPlaces(query, limit);
    outcome.output = json ? JsonListing(places) : TextListing(places);
    if (places.empty()) {
        outcome.exitStatus = 1;
        outcome.error = "No place matches \"" + std::string(query) + "\"\n";
    }
    return outcome;
}

}  // namespace orbalis::cli
