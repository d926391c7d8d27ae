#include "dosha/classical_block.h"

#include <algorithm>

namespace orbalis {
namespace {

// The row labels of the block, in the order of KujaReference.
constexpr std::array<std::string_view, kKujaReferenceCount> kBlockRowLabels = {
    N_("Lagna"), N_("Moon"), N_("Venus")};

// The short reason of a rule that holds. Mars's company names the body it
// actually shares its sign with.
std::string_view ReasonOf(Cancellation rule, const KujaSigns& signs, const Catalogue& words) {
    if (rule == Cancellation::MarsWithJupiterOrMoon) return MarsCompanyPhrase(signs, words);
    return Tr(words, CancellationTexts[static_cast<std::size_t>(rule)].name);
}

}  // namespace

std::string ClassicalLineText(const ClassicalKujaDosha& analysis, KujaReference reference,
                              const Catalogue& words) {
    const ReferenceDosha& dosha = analysis.from(reference);
    const std::string house = OrdinalHouse(dosha.marsHouse, words);
    switch (dosha.status()) {
        case ClassicalStatus::NoDosha:
            return Fill(Tr(words, "Mars in the {house}: no dosha"), {{"house", house}});
        case ClassicalStatus::Dosha:
            return Fill(Tr(words, "Mars in the {house}: dosha"), {{"house", house}});
        case ClassicalStatus::Cancelled:
            break;
    }
    std::string reasons;
    std::string_view separator;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        reasons += separator;
        reasons += ReasonOf(static_cast<Cancellation>(rule), analysis.signs, words);
        separator = "; ";
    }
    return Fill(Tr(words, "Mars in the {house}: dosha, cancelled ({reasons})"),
                {{"house", house}, {"reasons", reasons}});
}

std::string ClassicalClosingText(const ClassicalKujaDosha& analysis, const Catalogue& words) {
    if (analysis.hasUncancelledDosha())
        return std::string(Tr(words, "By the classical rule the person is Manglik"));
    const bool anyDosha = std::any_of(analysis.references.begin(), analysis.references.end(),
                                      [](const ReferenceDosha& dosha) { return dosha.doshaHouse; });
    return std::string(
        anyDosha
            ? Tr(words, "By the classical rule the person is Manglik, with every dosha cancelled")
            : Tr(words, "By the classical rule the person is not Manglik"));
}

ClassicalBlock ClassicalBlockOf(const ClassicalKujaDosha& analysis, const Catalogue& words) {
    ClassicalBlock block;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        ClassicalBlockLine& line = block.lines[static_cast<std::size_t>(reference)];
        line.reference = Tr(words, kBlockRowLabels[static_cast<std::size_t>(reference)]);
        line.text = ClassicalLineText(analysis, static_cast<KujaReference>(reference), words);
    }
    block.closing = ClassicalClosingText(analysis, words);
    return block;
}

}  // namespace orbalis
