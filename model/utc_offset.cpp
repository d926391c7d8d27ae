#include "model/utc_offset.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "model/reference_tables.h"

namespace orbalis {

std::string UtcOffsetText(int offsetSeconds) {
    const int magnitude = std::abs(offsetSeconds);
    std::array<char, 16> text{};
    const char sign = offsetSeconds < 0 ? '-' : '+';
    if (magnitude % 60 != 0) {
        std::snprintf(text.data(), text.size(), "%c%02d:%02d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    } else {
        std::snprintf(text.data(), text.size(), "%c%02d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60);
    }
    return text.data();
}

std::string UtcOffsetForPeople(int offsetSeconds) {
    std::string text = UtcOffsetText(offsetSeconds);
    if (offsetSeconds < 0) text.replace(0, 1, "\u2212");
    return "UTC" + text;
}

std::string ZoneUsedText(const BirthDetails& birth, const Catalogue& words) {
    std::string text = UtcOffsetForPeople(60 * BirthUtcOffsetMinutes(birth));
    const auto row = static_cast<std::size_t>(birth.zoneIndex);
    std::string zone = row < TimeZoneTable.size() ? std::string(TimeZoneTable[row].text) : "";
    if (birth.daylightSaving) {
        if (!zone.empty()) zone += ", ";
        zone += Tr(words, "with daylight saving");
    }
    return zone.empty() ? text : text + " (" + zone + ")";
}

}  // namespace orbalis
