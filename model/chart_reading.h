#pragma once

#include "model/catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace orbalis {

// Index of each body in the three body tables of a reading.
enum Body : int {
    kSun = 0,
    kMoon = 1,
    kMercury = 2,
    kVenus = 3,
    kMars = 4,
    kJupiter = 5,
    kSaturn = 6,
    kRahu = 7,
    kKetu = 8,
    kAscendant = 9,
    kMidheaven = 10,
};
inline constexpr int kBodyCount = 11;
inline constexpr int kChartBodyCount = 9;  // Sun to Ketu: the bodies drawn in the chart

// The names of the bodies, in the order of Body: the English names of the
// body tables (and of JSON keys and CSV columns), and the Sanskrit ones.
inline constexpr std::array<std::string_view, kBodyCount> kBodyNames = {
    N_("Sun"),    N_("Moon"), N_("Mercury"), N_("Venus"),     N_("Mars"),     N_("Jupiter"),
    N_("Saturn"), N_("Rahu"), N_("Ketu"),    N_("Ascendant"), N_("Midheaven")};
inline constexpr std::array<std::string_view, kBodyCount> kBodySanskritNames = {
    N_("Surya"), N_("Chandra"), N_("Budha"), N_("Shukra"),    N_("Mangala"),  N_("Guru"),
    N_("Shani"), N_("Rahu"),    N_("Ketu"),  N_("Ascendant"), N_("Midheaven")};

using BodyTexts = std::array<std::string, kBodyCount>;

// What follows the Sanskrit name of a planet retrograde at birth.
inline constexpr std::string_view kRetrogradeMark = " (R) ";
// The mark without its blanks, as a chart in another language translates it.
inline constexpr std::string_view kRetrogradeWord = N_("(R)");
static_assert(kRetrogradeMark.substr(1, kRetrogradeWord.size()) == kRetrogradeWord);

// The results of the current reading. Each engine writes only its own fields;
// texts are UTF-8 (the degree sign is U+00B0).
struct ChartReading {
    // Ascendant, midheaven and ayanamsa.
    double ayanamsaDegrees = 0.0;  // negative: added to a tropical longitude
    std::string ayanamsaText;
    std::string lagnaPositionText;
    std::string midheavenPositionText;

    // Moon engine.
    std::string moonPositionText;
    std::string nakshatra;
    std::string rashi;
    std::string moonSignName;

    // Body tables, in the order of Body.
    BodyTexts planetName;
    BodyTexts planetSanskritName;
    BodyTexts planetPositionText;
    // The sidereal longitudes the position texts were written from, in
    // degrees (0 <= value < 360), in the order of Body.
    std::array<double, kBodyCount> siderealDegrees{};

    // Derived for display by the reading driver.
    std::string ayanamsaDisplay;
    std::string lagnaSign;
    std::string lagnaRashiName;
    std::string lord;
    std::string pada;

    // Precise positions that came from the library's built-in ephemeris,
    // because it found none of its files.
    bool builtInEphemeris = false;

    friend bool operator==(const ChartReading&, const ChartReading&) = default;
};

inline bool IsMarkedRetrograde(const ChartReading& reading, int body) {
    return std::string_view(reading.planetSanskritName[body]).ends_with(kRetrogradeMark);
}

}  // namespace orbalis
