#include "matching/match_text.h"

#include "model/reference_tables.h"

namespace orbalis::matching {
namespace {

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded + ' ';
}

}  // namespace

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

std::string AshtakootaText(const MoonMatch& match) {
    std::string text = "Ashtakoota (36 gunas)\n";
    text += Padded("Koota", 14) + Padded("Groom", 14) + Padded("Bride", 14) + "Points\n";
    for (int k = 0; k < kKootaCount; ++k) {
        const auto koota = static_cast<Koota>(k);
        const KootaName& name = KootaNames[static_cast<std::size_t>(k)];
        const KootaSides sides = KootaCompared(koota, match.groom, match.bride);
        text += Padded(name.title, 14) + Padded(sides.groom, 14) + Padded(sides.bride, 14) +
                PointsText(match.ashtakoota.halfPoints[static_cast<std::size_t>(k)]) + " of " +
                std::to_string(name.maximum) + "\n";
    }
    text += "Total: " + GunaTotalText(match.ashtakoota) + "\n";
    return text;
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

std::string KootaDoshasText(const MoonMatch& match) {
    std::string text = "Doshas\n";
    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const auto dosha = static_cast<KootaDosha>(d);
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(d)];
        text += std::string(info.name) + ": " + KootaDoshaVerdict(match, dosha) + "\n";
        if (!match.flags.has(info.flag)) continue;
        for (int f = static_cast<int>(info.firstException); f <= static_cast<int>(info.lastException);
             ++f) {
            if (!match.flags.bits.test(static_cast<std::size_t>(f))) continue;
            const MatchFlagText& flag = MatchFlagTexts[static_cast<std::size_t>(f)];
            text += "  " + std::string(flag.name) + ": " + std::string(flag.explanation) + "\n";
        }
    }
    return text;
}

std::string PoruthamsText(const MoonMatch& match) {
    std::string text = "Poruthams (* most families require it)\n";
    for (int p = 0; p < kPoruthamCount; ++p) {
        const auto porutham = static_cast<Porutham>(p);
        const PoruthamName& name = PoruthamNames[static_cast<std::size_t>(p)];
        text += Padded(std::string(name.title) + (name.required ? " *" : ""), 15) +
                Padded(match.poruthams.passes(porutham) ? "agrees" : "fails", 7) +
                PoruthamReason(porutham, match.groom, match.bride) + "\n";
    }
    text += PoruthamCountText(match.poruthams) + "\n";
    return text;
}

}  // namespace orbalis::matching
