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

std::string_view SignName(int sign, const Catalogue& words) {
    return Tr(words, SignNames[static_cast<std::size_t>(sign)]);
}

std::string JoinedWith(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += separator;
        text += parts[i];
    }
    return text;
}

// "the 7th from the Moon and the 12th from Venus": the doshas that stand.
std::string StandingDoshas(const ClassicalKujaDosha& analysis, const Catalogue& words) {
    std::vector<std::string> parts;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const ReferenceDosha& dosha = analysis.references[static_cast<std::size_t>(reference)];
        if (dosha.status() != ClassicalStatus::Dosha) continue;
        // TRANSLATORS: one place of Mars in "Mars in the 7th from the Moon and ..."; {reference}
        // already says "from".
        parts.push_back(Fill(Tr(words, "the {house} from {reference}"),
                             {{"house", OrdinalHouse(dosha.marsHouse, words)},
                              {"reference", ReferenceAfterFrom(reference, words)}}));
    }
    return ListText(parts, words);
}

// "Mars in Scorpio in the 4th from Venus": a house exception, with the
// references it holds from, or none when the house is already said.
std::string HouseExceptionPhrase(int marsSign, int house, const std::vector<std::string>& from,
                                 const Catalogue& words) {
    const std::string houseText = OrdinalHouse(house, words);
    if (from.empty())
        return Fill(Tr(words, "Mars in {sign} in the {house}"),
                    {{"sign", SignName(marsSign, words)}, {"house", houseText}});
    return Fill(Tr(words, "Mars in {sign} in the {house} from {references}"),
                {{"sign", SignName(marsSign, words)},
                 {"house", houseText},
                 {"references", ListText(from, words)}});
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

std::string CancellationPhrase(const ClassicalKujaDosha& analysis, Cancellation rule,
                               const Catalogue& words) {
    const KujaSigns& signs = analysis.signs;
    switch (rule) {
        case Cancellation::MarsInLeoOrAquarius:
            return Fill(Tr(words, "Mars in {sign}"), {{"sign", SignName(signs.mars, words)}});
        case Cancellation::MarsOwnOrExalted:
            return std::string(signs.mars == kCapricorn ? Tr(words, "Mars exalted")
                                                        : Tr(words, "Mars in its own sign"));
        case Cancellation::MarsWithJupiterOrMoon:
            return std::string(MarsCompanyPhrase(signs, words));
        case Cancellation::LagnaInCancerOrLeo:
            return Fill(Tr(words, "the Lagna in {sign}"), {{"sign", SignName(signs.lagna, words)}});
        default:
            break;
    }
    // A house exception: the house and the references it holds from.
    std::vector<std::string> references;
    int house = 0;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const ReferenceDosha& dosha = analysis.references[static_cast<std::size_t>(reference)];
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        house = dosha.marsHouse;
        references.emplace_back(ReferenceAfterFrom(reference, words));
    }
    if (references.empty()) return {};
    return HouseExceptionPhrase(signs.mars, house, references, words);
}

std::string ManglikStatusText(const ManglikAssessment& assessment, const Catalogue& words) {
    const std::string_view title = Tr(words, NameOf(assessment.status).title);
    switch (assessment.status) {
        case ManglikStatus::None:
            // TRANSLATORS: a status without reasons, as in "Not Manglik.".
            return Fill(Tr(words, "{status}."), {{"status", title}});
        case ManglikStatus::Cancelled: {
            std::vector<std::string> reasons;
            for (const Cancellation rule : CancellationsThatHold(assessment.analysis))
                reasons.push_back(CancellationPhrase(assessment.analysis, rule, words));
            return Fill(Tr(words, "{status} \u2014 {reasons}."),
                        {{"status", title}, {"reasons", JoinedWith(reasons, "; ")}});
        }
        case ManglikStatus::Low:
        case ManglikStatus::High:
            break;
    }
    const std::string doshas = StandingDoshas(assessment.analysis, words);
    if (!assessment.lowered())
        return Fill(Tr(words, "{status} \u2014 Mars in {doshas}."),
                    {{"status", title}, {"doshas", doshas}});
    std::vector<std::string> softenings;
    for (int s = 0; s < kSofteningCount; ++s)
        if (assessment.loweredBy[static_cast<std::size_t>(s)])
            softenings.emplace_back(Tr(words, SofteningNames[static_cast<std::size_t>(s)].phrase));
    return Fill(
        Tr(words, "{status} \u2014 Mars in {doshas}; lowered from high by {softenings}."),
        {{"status", title}, {"doshas", doshas}, {"softenings", ListText(softenings, words)}});
}

std::string ManglikStatusLine(const ManglikAssessment& assessment, const Catalogue& words) {
    return Fill(Tr(words, "Manglik status: {status}"),
                {{"status", ManglikStatusText(assessment, words)}});
}

std::vector<std::string> ManglikNotes(const ManglikAssessment& assessment, const Catalogue& words) {
    std::vector<std::string> notes;
    if (IsManglik(assessment.status)) {
        std::string note(Tr(words, kAgeNote));
        if (assessment.marriageAge && *assessment.marriageAge >= kManglikMaturityAge) {
            // The note goes on after a colon: a script with capitals lowers its first letter.
            if (note[0] >= 'A' && note[0] <= 'Z') note[0] = static_cast<char>(note[0] - 'A' + 'a');
            note = Fill(Tr(words, "The marriage is planned at {age}: {note}"),
                        {{"age", DecimalText(*assessment.marriageAge)}, {"note", note}});
        }
        notes.push_back(std::move(note));
    }
    if (assessment.marsAtSignEdge) notes.emplace_back(Tr(words, kSignEdgeNote));
    return notes;
}

namespace {

bool IsHouseException(Cancellation rule) {
    return static_cast<int>(rule) < static_cast<int>(Cancellation::MarsInLeoOrAquarius);
}

// "From Venus: Mars in the 2nd, a dosha house; the dosha is cancelled by
// Mars with the Moon."
std::string ReferenceReason(const ClassicalKujaDosha& analysis, int reference,
                            const Catalogue& words) {
    const ReferenceDosha& dosha = analysis.references[static_cast<std::size_t>(reference)];
    const std::string house = OrdinalHouse(dosha.marsHouse, words);
    const std::string_view from = ReferenceAfterFrom(reference, words);
    if (!dosha.doshaHouse)
        // TRANSLATORS: {reference} already says "from" (see the context "after from").
        return Fill(Tr(words, "From {reference}: Mars in the {house}, not a dosha house."),
                    {{"reference", from}, {"house", house}});
    std::vector<std::string> rules;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        const auto which = static_cast<Cancellation>(rule);
        // The house is this reference's: said once, without the others.
        rules.push_back(IsHouseException(which)
                            ? HouseExceptionPhrase(analysis.signs.mars, dosha.marsHouse, {}, words)
                            : CancellationPhrase(analysis, which, words));
    }
    if (rules.empty())
        return Fill(Tr(words,
                       "From {reference}: Mars in the {house}, a dosha house; no cancellation "
                       "holds, so the dosha stands."),
                    {{"reference", from}, {"house", house}});
    return Fill(Tr(words,
                   "From {reference}: Mars in the {house}, a dosha house; the dosha is cancelled "
                   "by {rules}."),
                {{"reference", from}, {"house", house}, {"rules", ListText(rules, words)}});
}

// "High: the dosha stands from two references.", "Low: the dosha stands
// from one reference only, in its 2nd house."
std::string LevelReason(const ClassicalKujaDosha& analysis, ManglikStatus level,
                        const Catalogue& words) {
    int standing = 0;
    int house = 0;
    for (const ReferenceDosha& dosha : analysis.references) {
        if (dosha.status() != ClassicalStatus::Dosha) continue;
        ++standing;
        house = dosha.marsHouse;
    }
    if (standing >= 2)
        return std::string(standing == 2
                               ? Tr(words, "High: the dosha stands from two references.")
                               : Tr(words, "High: the dosha stands from three references."));
    const std::string houseText = OrdinalHouse(house, words);
    return Fill(
        level == ManglikStatus::High
            ? Tr(words, "High: the dosha stands from one reference, in its {house} house.")
            : Tr(words, "Low: the dosha stands from one reference only, in its {house} house."),
        {{"house", houseText}});
}

}  // namespace

std::vector<std::string> ManglikReasons(const ManglikAssessment& assessment,
                                        const Catalogue& words) {
    const ClassicalKujaDosha& analysis = assessment.analysis;
    std::vector<std::string> reasons;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference)
        reasons.push_back(ReferenceReason(analysis, reference, words));
    if (assessment.level == ManglikStatus::Cancelled)
        reasons.emplace_back(Tr(
            words, "Every dosha is cancelled, so in matching the person counts as not Manglik."));
    if (!IsManglik(assessment.level)) return reasons;
    reasons.push_back(LevelReason(analysis, assessment.level, words));
    if (assessment.lowered()) {
        std::vector<std::string> softenings;
        for (int s = 0; s < kSofteningCount; ++s) {
            if (!assessment.loweredBy[static_cast<std::size_t>(s)]) continue;
            if (static_cast<Softening>(s) == Softening::JupiterAspectsMars)
                softenings.push_back(
                    Fill(Tr(words, "Jupiter's aspect (Mars in the {house} sign from Jupiter)"),
                         {{"house",
                           OrdinalHouse(WholeSignHouse(analysis.signs.mars, analysis.signs.jupiter),
                                        words)}}));
            else
                softenings.emplace_back(
                    Tr(words, SofteningNames[static_cast<std::size_t>(s)].phrase));
        }
        const std::string list = ListText(softenings, words);
        reasons.push_back(Fill(
            softenings.size() == 1
                ? Tr(words,
                     "Lowered from high to low by {softenings}, which softens a dosha but never "
                     "cancels it.")
                : Tr(words,
                     "Lowered from high to low by {softenings}, which soften a dosha but never "
                     "cancel it."),
            {{"softenings", list}}));
    }
    return reasons;
}

std::string RemediesText(const Catalogue& words) {
    std::string text = std::string(Tr(words, kRemediesHeading)) + "\n" +
                       std::string(Tr(words, kRemediesSentence)) + "\n";
    for (const Remedy& remedy : kTraditionalRemedies)
        text += Fill(Tr(words, "{name}: {description}"),
                     {{"name", Tr(words, remedy.name)},
                      {"description", Tr(words, remedy.description)}}) +
                "\n";
    return text;
}

}  // namespace orbalis
