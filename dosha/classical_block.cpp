#include "dosha/classical_block.h"

#include <algorithm>

namespace orbalis {
namespace {

// The short reason of a rule that holds. Mars's company names the body it
// actually shares its sign with.
std::string_view ReasonOf(Cancellation rule, const KujaSigns& signs) {
    if (rule == Cancellation::MarsWithJupiterOrMoon) return MarsCompanyPhrase(signs);
    return CancellationTexts[static_cast<std::size_t>(rule)].name;
}

}  // namespace

std::string ClassicalLineText(const ClassicalKujaDosha& analysis, KujaReference reference) {
    const ReferenceDosha& dosha = analysis.from(reference);
    std::string text = "Mars in the " + OrdinalHouse(dosha.marsHouse) + ": ";
    switch (dosha.status()) {
        case ClassicalStatus::NoDosha:
            return text + "no dosha";
        case ClassicalStatus::Dosha:
            return text + "dosha";
        case ClassicalStatus::Cancelled:
            break;
    }
    text += "dosha, cancelled (";
    std::string_view separator;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
        text += separator;
        text += ReasonOf(static_cast<Cancellation>(rule), analysis.signs);
        separator = "; ";
    }
    return text + ")";
}

std::string ClassicalClosingText(const ClassicalKujaDosha& analysis) {
    const std::string start = "By the classical rule the person is ";
    if (analysis.hasUncancelledDosha()) return start + "Manglik";
    const bool anyDosha = std::any_of(analysis.references.begin(), analysis.references.end(),
                                      [](const ReferenceDosha& dosha) { return dosha.doshaHouse; });
    return start + (anyDosha ? "Manglik, with every dosha cancelled" : "not Manglik");
}

ClassicalBlock ClassicalBlockOf(const ClassicalKujaDosha& analysis) {
    ClassicalBlock block;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        ClassicalBlockLine& line = block.lines[static_cast<std::size_t>(reference)];
        line.reference = KujaReferenceNames[static_cast<std::size_t>(reference)].key;
        line.text = ClassicalLineText(analysis, static_cast<KujaReference>(reference));
    }
    block.closing = ClassicalClosingText(analysis);
    return block;
}

}  // namespace orbalis
