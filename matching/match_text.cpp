#include "matching/match_text.h"

#include "model/reference_tables.h"

namespace orbalis::matching {

std::string MoonPlacementText(const MoonPlacement& moon, const Catalogue& words) {
    return Fill(
        Tr(words, "{sign}, {nakshatra}, pada {pada}"),
        {{"sign", Tr(words, SignNames[static_cast<std::size_t>(moon.sign)])},
         {"nakshatra", Tr(words, kNakshatraNames[static_cast<std::size_t>(moon.nakshatra)])},
         {"pada", std::to_string(moon.pada)}});
}

std::string GunaTotalText(const Ashtakoota& scores, const Catalogue& words) {
    return Fill(Tr(words, "{points} of 36 gunas ({band})"),
                {{"points", PointsText(scores.totalHalfPoints)},
                 {"band", GunaBandText(scores.band(), words)}});
}

std::string PoruthamCountText(const Poruthams& poruthams, const Catalogue& words) {
    const bool rajju = poruthams.passes(Porutham::Rajju);
    const bool vedha = poruthams.passes(Porutham::Vedha);
    const std::string_view pattern =
        rajju && vedha ? Tr(words, "{count} of 10 poruthams agree, Rajju and Vedha among them")
        : rajju        ? Tr(words, "{count} of 10 poruthams agree; Vedha does not")
        : vedha        ? Tr(words, "{count} of 10 poruthams agree; Rajju does not")
                       : Tr(words, "{count} of 10 poruthams agree; neither Rajju nor Vedha does");
    return Fill(pattern, {{"count", std::to_string(poruthams.count())}});
}

std::string KootaDoshaVerdict(const MoonMatch& match, KootaDosha dosha, const Catalogue& words) {
    const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(dosha)];
    if (!match.flags.has(info.flag)) return std::string(TrC(words, "koota dosha", "none"));
    std::string names;
    for (int f = static_cast<int>(info.firstException); f <= static_cast<int>(info.lastException);
         ++f) {
        if (!match.flags.bits.test(static_cast<std::size_t>(f))) continue;
        if (!names.empty()) names += "; ";
        names += Tr(words, MatchFlagTexts[static_cast<std::size_t>(f)].name);
    }
    return names.empty() ? std::string(Tr(words, "present, no exception holds"))
                         : Fill(Tr(words, "present; cancelled in some readings by: {exceptions}"),
                                {{"exceptions", names}});
}

}  // namespace orbalis::matching
