#include "reading/match_sheet.h"

#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_status.h"
#include "matching/match_text.h"
#include "model/reference_tables.h"

namespace orbalis {

using namespace matching;

namespace {

constexpr std::string_view kAgrees = "agrees";
constexpr std::string_view kFails = "fails";

MatchSheetPerson Person(std::string_view role, std::string_view title, const MatchParty& party,
                        const MoonPlacement& moon, const ManglikAssessment& status) {
    return {role,
            party.name,
            std::string(title) + ": " + party.name + ", Moon in " + MoonPlacementText(moon),
            party.name + ", Mars in " +
                std::string(SignNames[static_cast<std::size_t>(party.analysis.signs.mars)]),
            party.analysis,
            ManglikStatusLine(status)};
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

std::string Conclusion(const CoupleMatch& match) {
    const Ashtakoota& scores = match.moons.ashtakoota;
    const Poruthams& poruthams = match.moons.poruthams;
    std::string text = "By the Moons the match is " + std::string(GunaBandText(scores.band())) +
                       ", with " + PointsText(scores.totalHalfPoints) + " of 36 gunas. ";

    text += std::to_string(poruthams.count()) + " of the ten poruthams agree";
    const bool rajju = poruthams.passes(Porutham::Rajju);
    const bool vedha = poruthams.passes(Porutham::Vedha);
    if (rajju && vedha)
        text += ", Rajju and Vedha among them. ";
    else
        text += std::string("; ") +
                (!rajju && !vedha ? "Rajju and Vedha fail"
                 : !rajju         ? "Rajju fails"
                                  : "Vedha fails") +
                ", which most families do not accept. ";

    bool allExcepted = true;
    const std::vector<KootaDosha> present = PresentDoshas(match.moons, allExcepted);
    if (present.empty()) {
        text += "There is no Nadi, Bhakoot, Gana or Tara dosha. ";
    } else {
        text += "Present: ";
        for (std::size_t i = 0; i < present.size(); ++i)
            text += (i > 0 ? ", " : "") +
                    std::string(KootaDoshas[static_cast<std::size_t>(present[i])].name);
        text += present.size() == 1
                    ? (allExcepted ? "; it has an exception that some readings accept. "
                                   : "; no exception holds for it. ")
                    : (allExcepted ? "; each has an exception that some readings accept. "
                                   : "; not every one has an exception. ");
    }
    return text + match.manglik.conclusion;
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded + ' ';
}

}  // namespace

MatchSheet ComposeMatchSheet(const CoupleMatch& match) {
    const MoonMatch& moons = match.moons;
    MatchSheet sheet;
    sheet.people = {Person("groom", "Groom", match.groom, moons.groom, match.manglik.statuses[0]),
                    Person("bride", "Bride", match.bride, moons.bride, match.manglik.statuses[1])};
    sheet.sameBirth = kSameBirthSentences[static_cast<std::size_t>(match.sameBirth)];

    for (int k = 0; k < kKootaCount; ++k) {
        const KootaName& name = KootaNames[static_cast<std::size_t>(k)];
        const KootaSides sides = KootaCompared(static_cast<Koota>(k), moons.groom, moons.bride);
        sheet.kootas[static_cast<std::size_t>(k)] = {
            name.title, sides.groom, sides.bride,
            PointsText(moons.ashtakoota.halfPoints[static_cast<std::size_t>(k)]) + " of " +
                std::to_string(name.maximum)};
    }
    sheet.total = "Total: " + GunaTotalText(moons.ashtakoota);

    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(d)];
        MatchSheetDosha& dosha = sheet.doshas[static_cast<std::size_t>(d)];
        dosha.present = moons.flags.has(info.flag);
        dosha.line =
            std::string(info.name) + ": " + KootaDoshaVerdict(moons, static_cast<KootaDosha>(d));
        for (int f = static_cast<int>(info.firstException);
             dosha.present && f <= static_cast<int>(info.lastException); ++f) {
            if (!moons.flags.bits.test(static_cast<std::size_t>(f))) continue;
            const MatchFlagText& flag = MatchFlagTexts[static_cast<std::size_t>(f)];
            dosha.exceptions.push_back(std::string(flag.name) + ": " +
                                       std::string(flag.explanation));
        }
    }

    for (int p = 0; p < kPoruthamCount; ++p) {
        const auto porutham = static_cast<Porutham>(p);
        const PoruthamName& name = PoruthamNames[static_cast<std::size_t>(p)];
        const bool agrees = moons.poruthams.passes(porutham);
        sheet.poruthams[static_cast<std::size_t>(p)] = {
            std::string(name.title) + (name.required ? " *" : ""), agrees,
            agrees ? kAgrees : kFails, PoruthamReason(porutham, moons.groom, moons.bride)};
    }
    sheet.poruthamCount = PoruthamCountText(moons.poruthams);

    sheet.manglikConclusion = match.manglik.conclusion;
    sheet.manglikNote = match.manglik.note;
    sheet.manglikReason = match.manglik.reason;
    sheet.remedies = !match.manglik.balanced;
    sheet.conclusion = Conclusion(match);
    return sheet;
}

std::string MatchSheetText(const MatchSheet& sheet) {
    std::string text = std::string(kMatchTitle) + "\n";
    for (const MatchSheetPerson& person : sheet.people) text += person.moonLine + "\n";
    if (!sheet.sameBirth.empty()) text += std::string(sheet.sameBirth) + "\n";

    text += "\n" + std::string(kAshtakootaHeading) + "\n";
    for (std::size_t column = 0; column + 1 < kKootaColumnTitles.size(); ++column)
        text += Padded(kKootaColumnTitles[column], 14);
    text += std::string(kKootaColumnTitles.back()) + "\n";
    for (const MatchSheetKoota& koota : sheet.kootas)
        text += Padded(koota.koota, 14) + Padded(koota.groom, 14) + Padded(koota.bride, 14) +
                koota.points + "\n";
    text += sheet.total + "\n";

    text += "\n" + std::string(kDoshasHeading) + "\n";
    for (const MatchSheetDosha& dosha : sheet.doshas) {
        text += dosha.line + "\n";
        for (const std::string& exception : dosha.exceptions) text += "  " + exception + "\n";
    }

    text += "\n" + std::string(kPoruthamsHeading) + "\n";
    text += Padded(kPoruthamColumnTitles[0], 15) + Padded(kPoruthamColumnTitles[1], 7) +
            std::string(kPoruthamColumnTitles[2]) + "\n";
    for (const MatchSheetPorutham& porutham : sheet.poruthams)
        text += Padded(porutham.name, 15) + Padded(porutham.result, 7) + porutham.reason + "\n";
    text += sheet.poruthamCount + "\n";

    text += "\n" + std::string(kManglikBalanceHeading) + "\n";
    for (const MatchSheetPerson& person : sheet.people)
        text += "\n" + person.marsLine + "\n" + ClassicalTableText(person.analysis) +
                person.statusLine + "\n";
    text += "\n" + sheet.manglikConclusion + "\n";
    if (!sheet.manglikNote.empty()) text += sheet.manglikNote + "\n";
    if (sheet.remedies) text += "\n" + RemediesText();

    text += "\n" + std::string(kConclusionHeading) + "\n" + sheet.conclusion + "\n";
    return text;
}

}  // namespace orbalis
