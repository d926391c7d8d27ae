#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/chart_reading.h"

namespace orbalis {

// The classical house rule of Kuja dosha, kept apart from the percentage and
// verdict of the results form: Mars is counted by whole signs from the Lagna,
// the Moon and Venus, gives a dosha from the 1st, 2nd, 4th, 7th, 8th and 12th
// house, and the dosha is cancelled when any of the rules below holds.

// The points Mars is counted from, in the order they are shown.
enum class KujaReference : int { Lagna, Moon, Venus };
inline constexpr int kKujaReferenceCount = 3;

// The title and phrase are translated where shown; the key never is.
struct KujaReferenceName {
    std::string_view title;   // "Moon (Chandra)": a row heading
    std::string_view phrase;  // "the Moon": as in "from the Moon"
    std::string_view key;     // "Moon": as in the JSON key "fromMoon"
};
inline constexpr std::array<KujaReferenceName, kKujaReferenceCount> KujaReferenceNames = {{
    {N_("Lagna"), N_("the Lagna"), "Lagna"},
    {N_("Moon (Chandra)"), N_("the Moon"), "Moon"},
    {N_("Venus (Shukra)"), N_("Venus"), "Venus"},
}};

// The reference as it stands after "from" ("the Moon" in "from the Moon"):
// languages that mark "from" on the noun itself translate it with the mark,
// and their patterns then leave "from" out.
std::string_view ReferenceAfterFrom(int reference, const Catalogue& words = English());

// Houses from a reference in which Mars gives Kuja dosha.
inline constexpr std::array<int, 6> kClassicalDoshaHouses = {1, 2, 4, 7, 8, 12};

// The conditions that cancel a dosha, in the order they are checked and shown.
enum class Cancellation : int {
    SecondInMercurySign,
    FourthInOwnSign,
    SeventhInCancerOrCapricorn,
    EighthInJupiterSign,
    TwelfthInVenusSign,
    MarsInLeoOrAquarius,
    MarsOwnOrExalted,
    MarsWithJupiterOrMoon,
    LagnaInCancerOrLeo,
};
inline constexpr int kCancellationCount = 9;

// Both translated where shown.
struct CancellationText {
    std::string_view name;         // short, follows "cancelled by"
    std::string_view explanation;  // one or two plain sentences
};
extern const std::array<CancellationText, kCancellationCount> CancellationTexts;

enum class ClassicalStatus { NoDosha, Dosha, Cancelled };

// Mars counted from one reference.
struct ReferenceDosha {
    int referenceSign = 0;  // 0..11 from Aries
    int marsHouse = 1;      // 1..12, the reference sign being the 1st
    bool doshaHouse = false;
    // The rules that hold; checked only when the house is a dosha house.
    std::array<bool, kCancellationCount> cancelledBy{};

    ClassicalStatus status() const;
    friend bool operator==(const ReferenceDosha&, const ReferenceDosha&) = default;
};

// The signs (0..11 from Aries) the rule reads.
struct KujaSigns {
    int lagna = 0;
    int moon = 0;
    int venus = 0;
    int mars = 0;
    int jupiter = 0;

    friend bool operator==(const KujaSigns&, const KujaSigns&) = default;
};

struct ClassicalKujaDosha {
    KujaSigns signs;
    std::array<ReferenceDosha, kKujaReferenceCount> references{};

    const ReferenceDosha& from(KujaReference reference) const {
        return references[static_cast<std::size_t>(reference)];
    }
    // True when a dosha from any reference stands uncancelled.
    bool hasUncancelledDosha() const;
    friend bool operator==(const ClassicalKujaDosha&, const ClassicalKujaDosha&) = default;
};

ClassicalKujaDosha AnalyseClassicalKujaDosha(const KujaSigns& signs);

// The analysis of a computed reading; nothing when the Lagna, the Moon, Venus,
// Mars or Jupiter has no known sign.
std::optional<ClassicalKujaDosha> AnalyseClassicalKujaDosha(const ChartReading& reading);

// "no dosha", "dosha", or "dosha, cancelled by " and the names of the rules
// that hold, joined by "; ".
std::string ClassicalVerdictText(const ReferenceDosha& dosha, const Catalogue& words = English());

// "none", "dosha" or "cancelled": one word for a table column.
std::string_view ClassicalStatusWord(ClassicalStatus status);

// "Mars with the Moon", "Mars with Jupiter" or "Mars with Jupiter and the
// Moon": the company that holds of the rule MarsWithJupiterOrMoon.
std::string_view MarsCompanyPhrase(const KujaSigns& signs, const Catalogue& words = English());

// "1st", "2nd", "11th": a house number with its ordinal ending, as it stands
// before "house" ("the 7th house").
std::string OrdinalHouse(int house, const Catalogue& words = English());

// "a", "a and b", "a, b and c" in the catalogue's language.
std::string ListText(const std::vector<std::string>& parts, const Catalogue& words = English());

// How the classical verdict differs from the percentage on the results form.
inline constexpr std::string_view kClassicalRuleNote =
    N_("The percentage on the results form follows a single sign, Mars's own sign for the Lagna "
       "and the Moon's sign for Chandra, and does not count houses at all. The classical rule "
       "counts the house of Mars from the Lagna, the Moon and Venus, finds a dosha only in the "
       "1st, 2nd, 4th, 7th, 8th and 12th house, and then looks for the conditions that cancel it.");

}  // namespace orbalis
