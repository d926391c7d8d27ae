#include "moon/moon_details.h"

#include <array>
#include <cmath>
#include <string_view>

#include "model/reference_tables.h"
#include "model/sign_position_text.h"
#include "model/text_utils.h"
#include "moon/birth_instant.h"
#include "moon/moon_longitude.h"

namespace orbalis {

void MoonDetailsAt(double siderealDegrees, ChartReading& reading) {
    PositionChars position;
    FormatSignPosition(siderealDegrees, position);
    reading.moonPositionText.assign(position.view());
    reading.siderealDegrees[kMoon] = siderealDegrees;

    // Each nakshatra spans 800 minutes of arc.
    const auto nakshatraIndex =
        static_cast<std::size_t>(std::floor(siderealDegrees * 60.0 / 800.0));
    reading.nakshatra.assign(kNakshatraNames.at(nakshatraIndex));

    // The Moon sign is the sign the position text names.
    const std::string_view text = TrimBlanks(reading.moonPositionText);
    const std::string_view sign = text.size() >= 3 ? text.substr(text.size() - 3) : text;
    if (const auto index = SignIndex(sign)) {
        reading.rashi.assign(SanskritSignNames[static_cast<std::size_t>(*index)]);
        reading.moonSignName.assign(SignNames[static_cast<std::size_t>(*index)]);
    }
}

void ComputeMoonDetails(const BirthDetails& birth, ChartReading& reading) {
    MoonDetailsAt(MoonSiderealLongitude(BirthInstant(birth).centuriesJ2000), reading);
}

}  // namespace orbalis
