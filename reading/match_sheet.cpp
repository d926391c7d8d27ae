#include "reading/match_sheet.h"

#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_status.h"
#include "matching/match_text.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {

using namespace matching;

namespace {

// `moonPattern` names the person's role: "Groom: {name}, Moon in {moon}".
MatchSheetPerson Person(std::string_view role, std::string_view moonPattern,
                        const MatchParty& party, const MoonPlacement& moon,
                        const ManglikAssessment& status, const Catalogue& words) {
    return {
        role,
        party.name,
        Fill(moonPattern, {{"name", party.name}, {"moon", MoonPlacementText(moon, words)}}),
        Fill(Tr(words, "{name}, Mars in {sign}"),
             {{"name", party.name},
              {"sign", Tr(words, SignNames[static_cast<std::size_t>(party.analysis.signs.mars)])}}),
        party.analysis,
        ManglikStatusLine(status, words)};
}

std::vector<KootaDosha> PresentDoshas(const MoonMatch& moons, bool& allExcepted) {
    std::vector<KootaDosha> present;
    allExcepted = true;
    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(d)];
        if (!moons.flags.has(info.flag)) continue;
        bool excepted = false;
        for (int f = static_cast<int>(info.firstException);
             f <= static_cast<int>(info.lastException); ++f)
            excepted = excepted || moons.flags.bits.test(static_cast<std::size_t>(f));
        allExcepted = allExcepted && excepted;
        present.push_back(static_cast<KootaDosha>(d));
    }
    return present;
}

std::string Conclusion(const CoupleMatch& match, const ManglikMatch& manglik,
                       const Catalogue& words) {
    const Ashtakoota& scores = match.moons.ashtakoota;
    const Poruthams& poruthams = match.moons.poruthams;
    std::string text =
        Fill(Tr(words, "By the Moons the match is {band}, with {points} of 36 gunas."),
             {{"band", GunaBandText(scores.band(), words)},
              {"points", PointsText(scores.totalHalfPoints)}}) +
        " ";

    const bool rajju = poruthams.passes(Porutham::Rajju);
    const bool vedha = poruthams.passes(Porutham::Vedha);
    const std::string_view poruthamPattern =
        rajju && vedha
            ? Tr(words, "{count} of the ten poruthams agree, Rajju and Vedha among them.")
        : !rajju && !vedha
            ? Tr(words,
                 "{count} of the ten poruthams agree; Rajju and Vedha fail, which most families "
                 "do not accept.")
        : !rajju ? Tr(words,
                      "{count} of the ten poruthams agree; Rajju fails, which most families do "
                      "not accept.")
                 : Tr(words,
                      "{count} of the ten poruthams agree; Vedha fails, which most families do "
                      "not accept.");
    text += Fill(poruthamPattern, {{"count", std::to_string(poruthams.count())}}) + " ";

    bool allExcepted = true;
    const std::vector<KootaDosha> present = PresentDoshas(match.moons, allExcepted);
    if (present.empty()) {
        text += std::string(Tr(words, "There is no Nadi, Bhakoot, Gana or Tara dosha.")) + " ";
    } else {
        std::string names;
        for (std::size_t i = 0; i < present.size(); ++i)
            names += (i > 0 ? ", " : "") +
                     std::string(Tr(words, KootaDoshas[static_cast<std::size_t>(present[i])].name));
        const std::string_view pattern =
            present.size() == 1
                ? (allExcepted
                       ? Tr(words,
                            "Present: {doshas}; it has an exception that some readings accept.")
                       : Tr(words, "Present: {doshas}; no exception holds for it."))
                : (allExcepted
                       ? Tr(words,
                            "Present: {doshas}; each has an exception that some readings accept.")
                       : Tr(words, "Present: {doshas}; not every one has an exception."));
        text += Fill(pattern, {{"doshas", names}}) + " ";
    }
    return text + manglik.conclusion;
}

// Columns are counted as a terminal shows them, so that a translated table
// lines up as the English one does.
std::string Padded(std::string_view text, std::size_t width) {
    return PaddedToColumns(text, width) + ' ';
}

}  // namespace

MatchSheet ComposeMatchSheet(const CoupleMatch& match, const Catalogue& words) {
    const MoonMatch& moons = match.moons;
    MatchSheet sheet;
    sheet.people = {Person("groom", Tr(words, "Groom: {name}, Moon in {moon}"), match.groom,
                           moons.groom, match.manglik.statuses[0], words),
                    Person("bride", Tr(words, "Bride: {name}, Moon in {moon}"), match.bride,
                           moons.bride, match.manglik.statuses[1], words)};
    const std::string_view sameBirth =
        kSameBirthSentences[static_cast<std::size_t>(match.sameBirth)];
    if (!sameBirth.empty()) sheet.sameBirth = Tr(words, sameBirth);

    for (int k = 0; k < kKootaCount; ++k) {
        const KootaName& name = KootaNames[static_cast<std::size_t>(k)];
        const KootaSides sides = KootaCompared(static_cast<Koota>(k), moons.groom, moons.bride);
        sheet.kootas[static_cast<std::size_t>(k)] = {
            std::string(Tr(words, name.title)), std::string(Tr(words, sides.groom)),
            std::string(Tr(words, sides.bride)),
            Fill(Tr(words, "{points} of {maximum}"),
                 {{"points", PointsText(moons.ashtakoota.halfPoints[static_cast<std::size_t>(k)])},
                  {"maximum", std::to_string(name.maximum)}})};
    }
    sheet.total =
        Fill(Tr(words, "Total: {total}"), {{"total", GunaTotalText(moons.ashtakoota, words)}});

    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(d)];
        MatchSheetDosha& dosha = sheet.doshas[static_cast<std::size_t>(d)];
        dosha.present = moons.flags.has(info.flag);
        dosha.line = std::string(Tr(words, info.name)) + ": " +
                     KootaDoshaVerdict(moons, static_cast<KootaDosha>(d), words);
        for (int f = static_cast<int>(info.firstException);
             dosha.present && f <= static_cast<int>(info.lastException); ++f) {
            if (!moons.flags.bits.test(static_cast<std::size_t>(f))) continue;
            const MatchFlagText& flag = MatchFlagTexts[static_cast<std::size_t>(f)];
            dosha.exceptions.push_back(std::string(Tr(words, flag.name)) + ": " +
                                       std::string(Tr(words, flag.explanation)));
        }
    }

    for (int p = 0; p < kPoruthamCount; ++p) {
        const auto porutham = static_cast<Porutham>(p);
        const PoruthamName& name = PoruthamNames[static_cast<std::size_t>(p)];
        const bool agrees = moons.poruthams.passes(porutham);
        sheet.poruthams[static_cast<std::size_t>(p)] = {
            std::string(Tr(words, name.title)) + (name.required ? " *" : ""), agrees,
            std::string(agrees ? Tr(words, "agrees") : Tr(words, "fails")),
            PoruthamReason(porutham, moons.groom, moons.bride, words)};
    }
    sheet.poruthamCount = PoruthamCountText(moons.poruthams, words);

    // The match holds the balance's sentences in English; the sheet words them again.
    const ManglikMatch manglik = MatchKujaDosha(match.groom, match.bride, words);
    sheet.manglikConclusion = manglik.conclusion;
    sheet.manglikNote = manglik.note;
    sheet.manglikReason = manglik.reason;
    sheet.remedies = !manglik.balanced;
    sheet.conclusion = Conclusion(match, manglik, words);
    return sheet;
}

std::string MatchSheetText(const MatchSheet& sheet, const Catalogue& words) {
    auto tr = [&words](std::string_view english) { return std::string(Tr(words, english)); };
    std::string text = tr(kMatchTitle) + "\n";
    for (const MatchSheetPerson& person : sheet.people) text += person.moonLine + "\n";
    if (!sheet.sameBirth.empty()) text += std::string(sheet.sameBirth) + "\n";

    text += "\n" + tr(kAshtakootaHeading) + "\n";
    for (std::size_t column = 0; column + 1 < kKootaColumnTitles.size(); ++column)
        text += Padded(tr(kKootaColumnTitles[column]), 14);
    text += tr(kKootaColumnTitles.back()) + "\n";
    for (const MatchSheetKoota& koota : sheet.kootas)
        text += Padded(koota.koota, 14) + Padded(koota.groom, 14) + Padded(koota.bride, 14) +
                koota.points + "\n";
    text += sheet.total + "\n";

    text += "\n" + tr(kDoshasHeading) + "\n";
    for (const MatchSheetDosha& dosha : sheet.doshas) {
        text += dosha.line + "\n";
        for (const std::string& exception : dosha.exceptions) text += "  " + exception + "\n";
    }

    text += "\n" + tr(kPoruthamsHeading) + "\n";
    text += Padded(tr(kPoruthamColumnTitles[0]), 15) + Padded(tr(kPoruthamColumnTitles[1]), 7) +
            tr(kPoruthamColumnTitles[2]) + "\n";
    for (const MatchSheetPorutham& porutham : sheet.poruthams)
        text += Padded(porutham.name, 15) + Padded(porutham.result, 7) + porutham.reason + "\n";
    text += sheet.poruthamCount + "\n";

    text += "\n" + tr(kManglikBalanceHeading) + "\n";
    for (const MatchSheetPerson& person : sheet.people)
        text += "\n" + person.marsLine + "\n" + ClassicalTableText(person.analysis, words) +
                person.statusLine + "\n";
    text += "\n" + sheet.manglikConclusion + "\n";
    if (!sheet.manglikNote.empty()) text += sheet.manglikNote + "\n";
    if (sheet.remedies) text += "\n" + RemediesText(words);

    text += "\n" + tr(kConclusionHeading) + "\n" + sheet.conclusion + "\n";
    return text;
}

}  // namespace orbalis
