#include "model/utc_offset.h"

#include <array>
#include <cstdio>
#include <cstdlib>

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

}  // namespace orbalis
