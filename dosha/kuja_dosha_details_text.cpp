#include "dosha/kuja_dosha_details_text.h"

#include <algorithm>

#include "model/reference_tables.h"

namespace orbalis {
namespace {

std::string_view SignName(int sign, const Catalogue& words) {
    return Tr(words, SignNames[static_cast<std::size_t>(sign)]);
}

// The columns a text takes in a fixed-width view: one a character, the bytes
// that continue a UTF-8 character and the marks that sit on a letter (the
// vowel signs and viramas of Devanagari and Tamil) taking none.
std::size_t ColumnsOf(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;
        if (byte == 0xE0 && i + 2 < text.size()) {
            const unsigned code = ((byte & 0x0Fu) << 12) |
                                  ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                                  (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            const unsigned inBlock = code & 0x7Fu;
            // In each Indic block these are the signs and marks that join the letter before them.
            const bool joining = (inBlock <= 0x03) || (inBlock >= 0x3A && inBlock <= 0x4D) ||
                                 (inBlock >= 0x55 && inBlock <= 0x57) || inBlock == 0x62 ||
                                 inBlock == 0x63;
            if (code >= 0x0900 && code < 0x0E00 && joining) continue;
        }
        ++columns;
    }
    return columns;
}

void AppendPadded(std::string& line, std::string_view text, std::size_t width) {
    line += text;
    const std::size_t columns = ColumnsOf(text);
    if (columns < width) line.append(width - columns, ' ');
}

}  // namespace

ClassicalRowText ClassicalRow(const ClassicalKujaDosha& analysis, KujaReference reference,
                              const Catalogue& words) {
    const ReferenceDosha& dosha = analysis.from(reference);
    ClassicalRowText row;
    row.from = Fill(
        Tr(words, "{reference} in {sign}"),
        {{"reference", Tr(words, KujaReferenceNames[static_cast<std::size_t>(reference)].title)},
         {"sign", SignName(dosha.referenceSign, words)}});
    row.house = Fill(Tr(words, "{house} house"), {{"house", OrdinalHouse(dosha.marsHouse, words)}});
    // TRANSLATORS: whether Mars's house is a dosha house.
    row.doshaHouse =
        dosha.doshaHouse ? TrC(words, "dosha house", "yes") : TrC(words, "dosha house", "no");
    row.verdict = ClassicalVerdictText(dosha, words);
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

std::string ClassicalTableText(const ClassicalKujaDosha& analysis, const Catalogue& words) {
    std::array<ClassicalRowText, kKujaReferenceCount> rows;
    for (int reference = 0; reference < kKujaReferenceCount; ++reference)
        rows[static_cast<std::size_t>(reference)] =
            ClassicalRow(analysis, static_cast<KujaReference>(reference), words);
    std::array<std::string_view, 4> titles{};
    for (std::size_t column = 0; column < titles.size(); ++column)
        titles[column] = Tr(words, kClassicalColumnTitles[column]);

    // Every column but the last is as wide as its longest entry and two blanks.
    auto width = [&rows](std::string_view title, std::string ClassicalRowText::*field) {
        std::size_t widest = ColumnsOf(title);
        for (const ClassicalRowText& row : rows) widest = std::max(widest, ColumnsOf(row.*field));
        return widest + 2;
    };
    const std::size_t fromWidth = width(titles[0], &ClassicalRowText::from);
    const std::size_t houseWidth = width(titles[1], &ClassicalRowText::house);
    const std::size_t doshaWidth = width(titles[2], &ClassicalRowText::doshaHouse);
    auto line = [&](std::string_view from, std::string_view house, std::string_view dosha,
                    std::string_view verdict) {
        std::string text;
        AppendPadded(text, from, fromWidth);
        AppendPadded(text, house, houseWidth);
        AppendPadded(text, dosha, doshaWidth);
        return text + std::string(verdict) + "\n";
    };

    std::string text = line(titles[0], titles[1], titles[2], titles[3]);
    for (const ClassicalRowText& row : rows)
        text += line(row.from, row.house, row.doshaHouse, row.verdict);
    return text;
}

std::string KujaDoshaDetailsText(const ManglikAssessment& assessment, std::string_view name,
                                 const Catalogue& words) {
    const ClassicalKujaDosha& analysis = assessment.analysis;
    std::string text = std::string(Tr(words, kClassicalDetailsTitle)) + "\n";
    text += Fill(Tr(words, "Name: {name}"), {{"name", name}}) + "\n";
    text += Fill(Tr(words, "Mars in {sign}"), {{"sign", SignName(analysis.signs.mars, words)}}) +
            "\n\n";
    text += ManglikStatusLine(assessment, words) + "\n";
    for (const std::string& reason : ManglikReasons(assessment, words)) text += reason + "\n";
    for (const std::string& note : ManglikNotes(assessment, words)) text += note + "\n";
    text += "\n" + ClassicalTableText(analysis, words);
    const std::vector<Cancellation> rules = CancellationsThatHold(analysis);
    if (!rules.empty()) text += "\n";
    for (Cancellation rule : rules) {
        const CancellationText& ruleText = CancellationTexts[static_cast<std::size_t>(rule)];
        text += Fill(Tr(words, "{name}: {description}"),
                     {{"name", Tr(words, ruleText.name)},
                      {"description", Tr(words, ruleText.explanation)}}) +
                "\n";
    }
    text += "\n" + std::string(Tr(words, kClassicalRuleNote)) + "\n";
    if (IsManglik(assessment.status)) text += "\n" + RemediesText(words);
    return text;
}

}  // namespace orbalis
