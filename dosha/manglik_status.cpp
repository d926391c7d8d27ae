#include "dosha/manglik_status.h"

#include <algorithm>
#include <cmath>

#include "dosha/kuja_dosha.h"
#include "dosha/kuja_dosha_details_text.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {
namespace {

template <std::size_t N>
constexpr bool Among(int value, const std::array<int, N>& values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

std::string SignName(int sign) {
    return std::string(SignNames[static_cast<std::size_t>(sign)]);
}

// "a", "a and b", "a, b and c".
std::string JoinedWithAnd(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

std::string JoinedWith(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += separator;
        text += parts[i];
    }
    return text;
}

// "Mars in the 7th from the Moon and the 12th from Venus": the doshas that stand.
std::string StandingDoshas(const ClassicalKujaDosha& analysis) {
    std::vector<std::string> parts;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const auto index = static_cast<std::size_t>(reference);
        const ReferenceDosha& dosha = analysis.references[index];
        if (dosha.status() != ClassicalStatus::Dosha) continue;
        parts.push_back("the " + OrdinalHouse(dosha.marsHouse) + " from " +
                        std::string(KujaReferenceNames[index].phrase));
    }
    return "Mars in " + JoinedWithAnd(parts);
}

// The level of step one: high from two or three references, or from one
// in its 7th or 8th house; low from one in its 1st, 2nd, 4th or 12th.
ManglikStatus StandingLevel(const ClassicalKujaDosha& analysis) {
    int standing = 0;
    bool anyDosha = false;
    bool severeHouse = false;
    for (const ReferenceDosha& dosha : analysis.references) {
        anyDosha = anyDosha || dosha.doshaHouse;
        if (dosha.status() != ClassicalStatus::Dosha) continue;
        ++standing;
        severeHouse = severeHouse || Among(dosha.marsHouse, kHighDoshaHouses);
    }
    if (standing == 0) return anyDosha ? ManglikStatus::Cancelled : ManglikStatus::None;
    return standing >= 2 || severeHouse ? ManglikStatus::High : ManglikStatus::Low;
}

}  // namespace

ManglikAssessment AssessManglik(const ClassicalKujaDosha& analysis,
                                std::optional<double> marsDegrees, std::optional<int> marriageAge) {
    ManglikAssessment assessment;
    assessment.analysis = analysis;
    assessment.marriageAge = marriageAge;
    assessment.level = StandingLevel(analysis);
    assessment.status = assessment.level;

    const KujaSigns& signs = analysis.signs;
    if (assessment.level == ManglikStatus::High) {
        std::array<bool, kSofteningCount> holds{};
        holds[static_cast<std::size_t>(Softening::JupiterAspectsMars)] =
            Among(WholeSignHouse(signs.mars, signs.jupiter), kJupiterAspectHouses);
        holds[static_cast<std::size_t>(Softening::JupiterInLagna)] = signs.jupiter == signs.lagna;
        holds[static_cast<std::size_t>(Softening::VenusInLagna)] = signs.venus == signs.lagna;
        if (std::any_of(holds.begin(), holds.end(), [](bool one) { return one; })) {
            assessment.loweredBy = holds;
            assessment.status = ManglikStatus::Low;
        }
    }

    if (marsDegrees) {
        const double withinSign = std::fmod(*marsDegrees, 30.0);
        assessment.marsAtSignEdge =
            withinSign < kSignEdgeDegrees || withinSign > 30.0 - kSignEdgeDegrees;
    }
    return assessment;
}

std::optional<ManglikAssessment> AssessManglik(const ChartReading& reading,
                                               std::optional<int> marriageAge) {
    const std::optional<ClassicalKujaDosha> analysis = AnalyseClassicalKujaDosha(reading);
    if (!analysis) return std::nullopt;
    return AssessManglik(*analysis, reading.siderealDegrees[kMars], marriageAge);
}

std::string CancellationPhrase(const ClassicalKujaDosha& analysis, Cancellation rule) {
    const KujaSigns& signs = analysis.signs;
    switch (rule) {
        case Cancellation::MarsInLeoOrAquarius:
            return "Mars in " + SignName(signs.mars);
        case Cancellation::MarsOwnOrExalted:
            return signs.mars == kCapricorn ? "Mars exalted" : "Mars in its own sign";
        case Cancellation::MarsWithJupiterOrMoon:
            return std::string(MarsCompanyPhrase(signs));
        case Cancellation::LagnaInCancerOrLeo:
            return "the Lagna in " + SignName(signs.lagna);
        default:
            break;
    }
    // A house exception: the house and the references it holds from.
    std::vector<std::string> references;
    int house = 0;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const auto index = static_cast<std::size_t>(reference);
        const ReferenceDosha& dosha = analysis.references[index];
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        house = dosha.marsHouse;
        references.emplace_back(KujaReferenceNames[index].phrase);
    }
    if (references.empty()) return {};
    return "Mars in " + SignName(signs.mars) + " in the " + OrdinalHouse(house) + " from " +
           JoinedWithAnd(references);
}

std::string ManglikStatusText(const ManglikAssessment& assessment) {
    std::string text(NameOf(assessment.status).title);
    switch (assessment.status) {
        case ManglikStatus::None:
            return text + ".";
        case ManglikStatus::Cancelled: {
            std::vector<std::string> reasons;
            for (const Cancellation rule : CancellationsThatHold(assessment.analysis))
                reasons.push_back(CancellationPhrase(assessment.analysis, rule));
            return text + " \u2014 " + JoinedWith(reasons, "; ") + ".";
        }
        case ManglikStatus::Low:
        case ManglikStatus::High:
            break;
    }
    text += " \u2014 " + StandingDoshas(assessment.analysis);
    if (assessment.lowered()) {
        std::vector<std::string> softenings;
        for (int s = 0; s < kSofteningCount; ++s)
            if (assessment.loweredBy[static_cast<std::size_t>(s)])
                softenings.emplace_back(SofteningNames[static_cast<std::size_t>(s)].phrase);
        text += "; lowered from high by " + JoinedWithAnd(softenings);
    }
    return text + ".";
}

std::string ManglikStatusLine(const ManglikAssessment& assessment) {
    return std::string(kManglikStatusLabel) + ManglikStatusText(assessment);
}

std::vector<std::string> ManglikNotes(const ManglikAssessment& assessment) {
    std::vector<std::string> notes;
    if (IsManglik(assessment.status)) {
        std::string note(kAgeNote);
        if (assessment.marriageAge && *assessment.marriageAge >= kManglikMaturityAge) {
            note[0] = 'm';
            note =
                "The marriage is planned at " + DecimalText(*assessment.marriageAge) + ": " + note;
        }
        notes.push_back(std::move(note));
    }
    if (assessment.marsAtSignEdge) notes.emplace_back(kSignEdgeNote);
    return notes;
}

namespace {

bool IsHouseException(Cancellation rule) {
    return static_cast<int>(rule) < static_cast<int>(Cancellation::MarsInLeoOrAquarius);
}

// "From Venus: Mars in the 2nd, a dosha house; the dosha is cancelled by
// Mars with the Moon."
std::string ReferenceReason(const ClassicalKujaDosha& analysis, int reference) {
    const auto index = static_cast<std::size_t>(reference);
    const ReferenceDosha& dosha = analysis.references[index];
    std::string text = "From " + std::string(KujaReferenceNames[index].phrase) + ": Mars in the " +
                       OrdinalHouse(dosha.marsHouse);
    if (!dosha.doshaHouse) return text + ", not a dosha house.";
    text += ", a dosha house; ";
    std::vector<std::string> rules;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        const auto which = static_cast<Cancellation>(rule);
        // The house is this reference's: said once, without the others.
        rules.push_back(IsHouseException(which) ? "Mars in " + SignName(analysis.signs.mars) +
                                                      " in the " + OrdinalHouse(dosha.marsHouse)
                                                : CancellationPhrase(analysis, which));
    }
    if (rules.empty()) return text + "no cancellation holds, so the dosha stands.";
    return text + "the dosha is cancelled by " + JoinedWithAnd(rules) + ".";
}

// "High: the dosha stands from two references.", "Low: the dosha stands
// from one reference only, in its 2nd house."
std::string LevelReason(const ClassicalKujaDosha& analysis, ManglikStatus level) {
    int standing = 0;
    int house = 0;
    for (const ReferenceDosha& dosha : analysis.references) {
        if (dosha.status() != ClassicalStatus::Dosha) continue;
        ++standing;
        house = dosha.marsHouse;
    }
    if (standing >= 2)
        return "High: the dosha stands from " + std::string(standing == 2 ? "two" : "three") +
               " references.";
    const std::string where = ", in its " + OrdinalHouse(house) + " house.";
    return level == ManglikStatus::High ? "High: the dosha stands from one reference" + where
                                        : "Low: the dosha stands from one reference only" + where;
}

}  // namespace

std::vector<std::string> ManglikReasons(const ManglikAssessment& assessment) {
    const ClassicalKujaDosha& analysis = assessment.analysis;
    std::vector<std::string> reasons;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference)
        reasons.push_back(ReferenceReason(analysis, reference));
    if (assessment.level == ManglikStatus::Cancelled)
        reasons.emplace_back(
            "Every dosha is cancelled, so in matching the person counts as not "
            "Manglik.");
    if (!IsManglik(assessment.level)) return reasons;
    reasons.push_back(LevelReason(analysis, assessment.level));
    if (assessment.lowered()) {
        std::vector<std::string> softenings;
        for (int s = 0; s < kSofteningCount; ++s) {
            if (!assessment.loweredBy[static_cast<std::size_t>(s)]) continue;
            std::string phrase(SofteningNames[static_cast<std::size_t>(s)].phrase);
            if (static_cast<Softening>(s) == Softening::JupiterAspectsMars)
                phrase +=
                    " (Mars in the " +
                    OrdinalHouse(WholeSignHouse(analysis.signs.mars, analysis.signs.jupiter)) +
                    " sign from Jupiter)";
            softenings.push_back(std::move(phrase));
        }
        reasons.push_back("Lowered from high to low by " + JoinedWithAnd(softenings) +
                          (softenings.size() == 1 ? ", which softens a dosha but never cancels it."
                                                  : ", which soften a dosha but never cancel it."));
    }
    return reasons;
}

std::string RemediesText() {
    std::string text = std::string(kRemediesHeading) + "\n" + std::string(kRemediesSentence) + "\n";
    for (const Remedy& remedy : kTraditionalRemedies)
        text += std::string(remedy.name) + ": " + std::string(remedy.description) + "\n";
    return text;
}

}  // namespace orbalis
