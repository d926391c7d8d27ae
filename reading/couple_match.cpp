#include "reading/couple_match.h"

#include "dosha/kuja_dosha.h"
#include "matching/match_text.h"

namespace orbalis {

using namespace matching;

MoonPlacement MoonPlacementOfReading(const ChartReading& reading) {
    return MoonPlacementAt(reading.siderealDegrees[kMoon]);
}

std::optional<CoupleMatch> MatchCouple(const std::string& groomName, const ChartReading& groom,
                                       const std::string& brideName, const ChartReading& bride,
                                       VashyaPoints table) {
    const std::optional<ClassicalKujaDosha> groomDosha = AnalyseClassicalKujaDosha(groom);
    const std::optional<ClassicalKujaDosha> brideDosha = AnalyseClassicalKujaDosha(bride);
    const std::optional<int> groomSaturn = SignOfPositionText(groom.planetPositionText[kSaturn]);
    const std::optional<int> brideSaturn = SignOfPositionText(bride.planetPositionText[kSaturn]);
    if (!groomDosha || !brideDosha || !groomSaturn || !brideSaturn) return std::nullopt;
    CoupleMatch match{{groomName, *groomDosha, *groomSaturn},
                      {brideName, *brideDosha, *brideSaturn},
                      MatchMoons(MoonPlacementOfReading(groom), MoonPlacementOfReading(bride), table),
                      {}};
    match.manglik = MatchKujaDosha(match.groom, match.bride);
    return match;
}

std::string CoupleConclusion(const CoupleMatch& match) {
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
        text += std::string("; ") + (!rajju && !vedha ? "Rajju and Vedha fail"
                                     : !rajju         ? "Rajju fails"
                                                      : "Vedha fails") +
                ", which most families do not accept. ";

    std::string present;
    int count = 0;
    bool allExcepted = true;
    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(d)];
        if (!match.moons.flags.has(info.flag)) continue;
        bool excepted = false;
        for (int f = static_cast<int>(info.firstException); f <= static_cast<int>(info.lastException);
             ++f)
            excepted = excepted || match.moons.flags.bits.test(static_cast<std::size_t>(f));
        allExcepted = allExcepted && excepted;
        if (count++ > 0) present += ", ";
        present += info.name;
    }
    if (count == 0)
        text += "There is no Nadi, Bhakoot, Gana or Tara dosha. ";
    else
        text += "Present: " + present +
                (count == 1 ? (allExcepted ? "; it has an exception that some readings accept. "
                                           : "; no exception holds for it. ")
                            : (allExcepted ? "; each has an exception that some readings accept. "
                                           : "; not every one has an exception. "));

    text += match.manglik.conclusion;
    return text;
}

std::string CoupleMatchText(const CoupleMatch& match) {
    std::string text = "Marriage match\n";
    text += "Groom: " + match.groom.name + ", Moon in " + MoonPlacementText(match.moons.groom) + "\n";
    text += "Bride: " + match.bride.name + ", Moon in " + MoonPlacementText(match.moons.bride) + "\n";
    text += "\n" + AshtakootaText(match.moons);
    text += "\n" + KootaDoshasText(match.moons);
    text += "\n" + PoruthamsText(match.moons);
    text += "\n" + ManglikMatchText(match.groom, match.bride);
    text += "\nConclusion\n" + CoupleConclusion(match) + "\n";
    return text;
}

}  // namespace orbalis
