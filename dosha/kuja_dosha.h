#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/chart_reading.h"
#include "model/reference_tables.h"

namespace orbalis {

inline constexpr std::array<std::string_view, 12> SignLords = {
    "Mars",  "Venus", "Mercury", "Moon",   "Sun",    "Mercury",
    "Venus", "Mars",  "Jupiter", "Saturn", "Saturn", "Jupiter"};

// Sign index 0..11 of a position text "DD Sgn MM" (characters 4 to 6 are the
// sign), or nothing when the text is too short or holds no known sign.
std::optional<int> SignOfPositionText(std::string_view positionText);

// House 1..12 of a sign counted by whole signs from a reference sign (both
// 0..11): the reference sign is the 1st house, the sign before it the 12th.
constexpr int WholeSignHouse(int sign, int referenceSign) {
    return (sign - referenceSign + kSignCount) % kSignCount + 1;
}

struct KujaDoshaLines {
    std::string position;    // "Position of Mars from Lagna is 4"
    std::string percentage;  // "Percentage of Kuja dosha is 0.125%"
    std::string verdict;     // "The person is Manglik"
};

// The outcome of one Kuja dosha run, before it is put into words.
struct KujaDoshaCount {
    int marsHouse;                // 1..12
    std::string_view percentage;  // "0.125%"; a static text
    bool manglik;                 // any percentage other than "0%"

    friend bool operator==(const KujaDoshaCount&, const KujaDoshaCount&) = default;
};

// The verdict of a count as the reading words it: "Manglik", "Non Manglik".
constexpr std::string_view ManglikVerdict(bool manglik) {
    return manglik ? N_("Manglik") : N_("Non Manglik");
}

// Mars counted from the sign of the reference position, the percentage from
// the searched body's sign; nothing when the reference, Mars or the searched
// body has no known sign.
std::optional<KujaDoshaCount> CountKujaDosha(const ChartReading& reading,
                                             std::string_view referencePositionText,
                                             std::string_view searchedBodyName);

// The three lines of a counted run, from the Lagna or from the Moon (Chandra);
// three empty lines for no count.
KujaDoshaLines KujaDoshaLinesOf(const std::optional<KujaDoshaCount>& count, bool fromLagna,
                                const Catalogue& words = English());

// The three lines of one Kuja dosha run: Mars counted from the sign of the
// reference position, the percentage from the searched body's sign. A
// reference, Mars or searched body without a known sign gives three empty lines.
KujaDoshaLines DetermineKujaDosha(const ChartReading& reading,
                                  std::string_view referencePositionText,
                                  std::string_view searchedBodyName, bool fromLagna,
                                  const Catalogue& words = English());

// "Lord of the 1st house (Mercury) in the 10th house: ..." for houses 1..12
// counted from the Lagna's sign. Lines whose sign cannot be read stay empty.
std::array<std::string, 12> HouseLordLines(const ChartReading& reading,
                                           const Catalogue& words = English());

}  // namespace orbalis
