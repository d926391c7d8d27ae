#include "matching/match_text.h"

#include "model/reference_tables.h"

namespace orbalis::matching {

std::string MoonPlacementText(const MoonPlacement& moon) {
    return std::string(SignNames[static_cast<std::size_t>(moon.sign)]) + ", " +
           std::string(kNakshatraNames[static_cast<std::size_t>(moon.nakshatra)]) + ", pada " +
           std::to_string(moon.pada);
}

std::string GunaTotalText(const Ashtakoota& scores) {
    return PointsText(scores.totalHalfPoints) + " of 36 gunas (" +
           std::string(GunaBandText(scores.band())) + ")";
}

std::string PoruthamCountText(const Poruthams& poruthams) {
    std::string text = std::to_string(poruthams.count()) + " of 10 poruthams agree";
    const bool rajju = poruthams.passes(Porutham::Rajju);
    const bool vedha = poruthams.passes(Porutham::Vedha);
    if (rajju && vedha) return text + ", Rajju and Vedha among them";
    if (rajju) return text + "; Vedha does not";
    if (vedha) return text + "; Rajju does not";
    return text + "; neither Rajju nor Vedha does";
}

std::string KootaDoshaVerdict(const MoonMatch& match, KootaDosha dosha) {
    const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(dosha)];
    if (!match.flags.has(info.flag)) return "none";
    std::string names;
    for (int f = static_cast<int>(info.firstException); f <= static_cast<int>(info.lastException);
         ++f) {
        if (!match.flags.bits.test(static_cast<std::size_t>(f))) continue;
        if (!names.empty()) names += "; ";
        names += MatchFlagTexts[static_cast<std::size_t>(f)].name;
    }
    return names.empty() ? "present, no exception holds"
                         : "present; cancelled in some readings by: " + names;
}

}  // namespace orbalis::matching
