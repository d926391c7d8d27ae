#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dosha/classical_kuja_dosha.h"
#include "model/chart_reading.h"

namespace orbalis {

// The one Manglik status a reading gives, built on the classical house rule:
// the doshas that stand after the cancellations set a level, high or low, a
// benefic influence on Mars can lower high to low, and what is left is the
// answer a family takes home and matching uses. The percentage verdict of
// the results form is a different, older table and stays as it is.

// In order of weight: a comparison of two statuses reads as such.
enum class ManglikStatus : int { None, Cancelled, Low, High };
inline constexpr int kManglikStatusCount = 4;

// The title and level are translated where shown; the word never is.
struct ManglikStatusName {
    std::string_view word;   // "low": the machine value (JSON, CSV)
    std::string_view title;  // "Low Manglik (partial, anshik)": the status as shown
    std::string_view level;  // "Low Manglik": a level named beside a person
};
inline constexpr std::array<ManglikStatusName, kManglikStatusCount> ManglikStatusNames = {{
    {"none", N_("Not Manglik"), N_("Not Manglik")},
    {"cancelled", N_("Manglik, cancelled"), N_("Manglik, cancelled")},
    {"low", N_("Low Manglik (partial, anshik)"), N_("Low Manglik")},
    {"high", N_("High Manglik"), N_("High Manglik")},
}};

constexpr const ManglikStatusName& NameOf(ManglikStatus status) {
    return ManglikStatusNames[static_cast<std::size_t>(status)];
}

// True for the two statuses that count as Manglik in matching.
constexpr bool IsManglik(ManglikStatus status) {
    return status == ManglikStatus::Low || status == ManglikStatus::High;
}

// The benefic influences that lower a high level to low; none cancels.
enum class Softening : int { JupiterAspectsMars, JupiterInLagna, VenusInLagna };
inline constexpr int kSofteningCount = 3;

struct SofteningName {
    std::string_view key;     // "jupiterAspectsMars": the JSON value
    std::string_view phrase;  // "Jupiter's aspect": as in "lowered from high by ...", translated
};
inline constexpr std::array<SofteningName, kSofteningCount> SofteningNames = {{
    {"jupiterAspectsMars", N_("Jupiter's aspect")},
    {"jupiterInLagna", N_("Jupiter in the Lagna")},
    {"venusInLagna", N_("Venus in the Lagna")},
}};

// Jupiter's whole-sign aspect falls on the 5th, 7th and 9th signs from it.
inline constexpr std::array<int, 3> kJupiterAspectHouses = {5, 7, 9};

// A dosha in one of these houses is high even from a single reference.
inline constexpr std::array<int, 2> kHighDoshaHouses = {7, 8};

// Mars this near either edge of its sign earns a note.
inline constexpr double kSignEdgeDegrees = 1.0;

// The age at which the dosha is popularly said to weaken.
inline constexpr int kManglikMaturityAge = 28;

struct ManglikAssessment {
    ClassicalKujaDosha analysis;
    ManglikStatus status = ManglikStatus::None;
    // The level the standing doshas give before any softening: High or Low,
    // or the same as `status` when no dosha stands.
    ManglikStatus level = ManglikStatus::None;
    // The conditions that lowered a high level; all false unless one did.
    std::array<bool, kSofteningCount> loweredBy{};
    bool marsAtSignEdge = false;
    std::optional<int> marriageAge;

    bool lowered() const { return level == ManglikStatus::High && status == ManglikStatus::Low; }
    friend bool operator==(const ManglikAssessment&, const ManglikAssessment&) = default;
};

// The status of an analysis. `marsDegrees` is Mars's sidereal longitude,
// read only for the sign-edge note; `marriageAge` only for the age note.
ManglikAssessment AssessManglik(const ClassicalKujaDosha& analysis,
                                std::optional<double> marsDegrees = std::nullopt,
                                std::optional<int> marriageAge = std::nullopt);

// The status of a computed reading; nothing when the classical rule cannot
// read it (AnalyseClassicalKujaDosha).
std::optional<ManglikAssessment> AssessManglik(const ChartReading& reading,
                                               std::optional<int> marriageAge = std::nullopt);

// "Mars in Scorpio in the 4th from Venus", "Mars exalted", "the Lagna in
// Leo": one cancellation as it holds in this chart.
std::string CancellationPhrase(const ClassicalKujaDosha& analysis, Cancellation rule,
                               const Catalogue& words = English());

// The status in one line: "Manglik status: High Manglik — Mars in the 7th
// from the Lagna.", "Manglik status: Low Manglik (partial, anshik) — Mars in
// the 7th from the Moon and the 12th from Venus; lowered from high by
// Jupiter's aspect.", "Manglik status: Manglik, cancelled — Mars in its own
// sign.", "Manglik status: Not Manglik."
std::string ManglikStatusLine(const ManglikAssessment& assessment,
                              const Catalogue& words = English());

// The same without the label, after "Ravi Kumar: " in a match.
std::string ManglikStatusText(const ManglikAssessment& assessment,
                              const Catalogue& words = English());

// The notes shown beside the status, never folded into it.
inline constexpr std::string_view kAgeNote =
    N_("Many families hold that a Manglik dosha weakens after the age of 28, the age at which Mars "
       "is said to mature. The classical rules above do not say so, and this status does not "
       "change with age.");
inline constexpr std::string_view kSignEdgeNote =
    N_("Mars stands within 1\u00b0 of the edge of its sign; a slightly different computed "
       "position would put it in the next sign, which can change this status.");
// The age note with a Manglik status, the marriage age first when it is 28
// or more ("The marriage is planned at 30: many families hold ..."); the
// sign-edge note with any status.
std::vector<std::string> ManglikNotes(const ManglikAssessment& assessment,
                                      const Catalogue& words = English());

// The caption over the two percentage frames, and the one line under them
// (and in the report and help) that says what the percentage is and which
// answer matching uses. The status stands above the percentage wherever
// both are shown: it is the answer.
inline constexpr std::string_view kPercentageVerdictCaption = N_("Percentage verdict");
inline constexpr std::string_view kPercentageVerdictNote =
    N_("The percentage lines follow a fixed table of one sign \u2014 Mars's sign for the Lagna, "
       "the Moon's sign for Chandra \u2014 and are kept as this program has always shown them. "
       "Astrologers and marriage matching use the Manglik status above, which counts the house "
       "of Mars from the Lagna, the Moon and Venus and applies the classical cancellations.");

// The note at the foot of the results form's interpretation frame, and of
// the report's.
inline constexpr std::string_view kConsultNote =
    N_("P.S. Please consult an astrologer for further detailed consultations for solving of Kuja "
       "Dosha.");

// What a status rests on, a line each: Mars's house from the Lagna, the
// Moon and Venus and what became of a dosha there ("From the Moon: Mars in
// the 7th, a dosha house; no cancellation holds, so the dosha stands."),
// then how the level follows ("High: the dosha stands from two
// references.") and what lowered it, or that every dosha is cancelled.
std::vector<std::string> ManglikReasons(const ManglikAssessment& assessment,
                                        const Catalogue& words = English());

// The traditional remedies, listed for a Manglik status and for a match the
// dosha leaves unbalanced, without recommending any. Translated where shown.
struct Remedy {
    std::string_view name;
    std::string_view description;
};
inline constexpr std::string_view kRemediesHeading = N_("Traditional remedies (parihara)");
inline constexpr std::string_view kRemediesSentence =
    N_("These are traditional practices that families and astrologers commonly name; Orbalis "
       "lists them without recommending any.");
inline constexpr std::array<Remedy, 8> kTraditionalRemedies = {{
    {N_("Marrying a Manglik partner"), N_("two Manglik charts balance each other (dosha samya), "
                                          "which is itself the first traditional "
                                          "answer.")},
    {N_("Kumbh vivah"),
     N_("a symbolic marriage of the Manglik person to a clay or metal pot, which is then broken or "
        "immersed.")},
    {N_("Tree or image marriage"),
     N_("the same rite with a peepal or banana tree, or an image of Vishnu.")},
    {N_("Mantra and recitation"),
     N_("the mantras of Mars (Mangal, Angaraka), such as \"om kram krim kraum sah bhaumaya namah\" "
        "or "
        "\"om angarakaya namah\"; the Mangala Chandika Stotra; the Hanuman Chalisa; the "
        "Mahamrityunjaya mantra.")},
    {N_("Fasting on Tuesdays"),
     N_("a fast on Tuesday, the day of Mars, often with the worship of Hanuman.")},
    {N_("Temple worship"), N_("Hanuman temples on Tuesdays; the shrine of Angaraka (Chevvai) at "
                              "Vaitheeswaran Koil; Palani; "
                              "the Mangalanathar temple at Sirukudi.")},
    {N_("Gem and charity"),
     N_("red coral, the gem of Mars, worn on an astrologer's advice; gifts of red things on "
        "Tuesdays.")},
    {N_("Lal Kitab measures"), N_("household and charity measures after the Lal Kitab.")},
}};

// The heading, the sentence and one line a remedy ("Kumbh vivah: a symbolic
// marriage ..."), lines ending in LF.
std::string RemediesText(const Catalogue& words = English());

}  // namespace orbalis
