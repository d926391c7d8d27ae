#include "dosha/kuja_dosha_details_text.h"

#include <algorithm>

#include "model/reference_tables.h"

namespace orbalis {
namespace {

std::string SignName(int sign) {
    return std::string(SignNames[static_cast<std::size_t>(sign)]);
}

void AppendPadded(std::string& line, std::string_view text, std::size_t width) {
    line += text;
    if (text.size() < width) line.append(width - text.size(), ' ');
}

}  // namespace

ClassicalRowText ClassicalRow(const ClassicalKujaDosha& analysis, KujaReference reference) {
    const ReferenceDosha& dosha = analysis.from(reference);
    ClassicalRowText row;
    row.from = std::string(KujaReferenceNames[static_cast<std::size_t>(reference)].title) + " in " +
               SignName(dosha.referenceSign);
    row.house = OrdinalHouse(dosha.marsHouse) + " house";
    row.doshaHouse = dosha.doshaHouse ? "yes" : "no";
    row.verdict = ClassicalVerdictText(dosha);
    return row;
}

std::vector<Cancellation> CancellationsThatHold(const ClassicalKujaDosha& analysis) {
    std::vector<Cancellation> rules;
    for (int rule = 0; rule < kCancellationCount; ++rule) {
        const bool holds = std::any_of(analysis.references.begin(), analysis.references.end(),
                                       [rule](const ReferenceDosha& dosha) {
                                           return dosha.cancelledBy[static_cast<std::size_t>(rule)];
                                       });
        if (holds) rules.push_back(static_cast<Cancellation>(rule));
    }
    return rules;
}

std::string ClassicalTableText(const ClassicalKujaDosha& analysis) {
    std::array<ClassicalRowText, kKujaReferenceCount> rows;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference)
        rows[static_cast<std::size_t>(reference)] =
            ClassicalRow(analysis, static_cast<KujaReference>(reference));

    // Every column but the last is as wide as its longest entry and two blanks.
    auto width = [&rows](std::string_view title, std::string ClassicalRowText::*field) {
        std::size_t widest = title.size();
        for (const ClassicalRowText& row : rows) widest = std::max(widest, (row.*field).size());
        return widest + 2;
    };
    const std::size_t fromWidth = width(kClassicalColumnTitles[0], &ClassicalRowText::from);
    const std::size_t houseWidth = width(kClassicalColumnTitles[1], &ClassicalRowText::house);
    const std::size_t doshaWidth = width(kClassicalColumnTitles[2], &ClassicalRowText::doshaHouse);
    auto line = [&](std::string_view from, std::string_view house, std::string_view dosha,
                    std::string_view verdict) {
        std::string text;
        AppendPadded(text, from, fromWidth);
        AppendPadded(text, house, houseWidth);
        AppendPadded(text, dosha, doshaWidth);
        return text + std::string(verdict) + "\n";
    };

    std::string text = line(kClassicalColumnTitles[0], kClassicalColumnTitles[1],
                            kClassicalColumnTitles[2], kClassicalColumnTitles[3]);
    for (const ClassicalRowText& row : rows)
        text += line(row.from, row.house, row.doshaHouse, row.verdict);
    return text;
}

std::string KujaDoshaDetailsText(const ManglikAssessment& assessment, std::string_view name) {
    const ClassicalKujaDosha& analysis = assessment.analysis;
    std::string text = std::string(kClassicalDetailsTitle) + "\n";
    text += "Name: " + std::string(name) + "\n";
    text += "Mars in " + SignName(analysis.signs.mars) + "\n\n";
    text += ManglikStatusLine(assessment) + "\n";
    for (const std::string& reason : ManglikReasons(assessment)) text += reason + "\n";
    for (const std::string& note : ManglikNotes(assessment)) text += note + "\n";
    text += "\n" + ClassicalTableText(analysis);
    const std::vector<Cancellation> rules = CancellationsThatHold(analysis);
    if (!rules.empty()) text += "\n";
    for (Cancellation rule : rules) {
        const CancellationText& ruleText = CancellationTexts[static_cast<std::size_t>(rule)];
        text += std::string(ruleText.name) + ": " + std::string(ruleText.explanation) + "\n";
    }
    text += "\n" + std::string(kClassicalRuleNote) + "\n";
    if (IsManglik(assessment.status)) text += "\n" + RemediesText();
    return text;
}

}  // namespace orbalis
