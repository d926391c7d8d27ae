#include "matching/ashtakoota.h"

#include <cassert>

#include "model/reference_tables.h"

namespace orbalis::matching {
namespace {

const NakshatraTraits& Star(const MoonPlacement& moon) {
    return NakshatraTable[static_cast<std::size_t>(moon.nakshatra)];
}

const SignTraits& Sign(const MoonPlacement& moon) {
    return SignTable[static_cast<std::size_t>(moon.sign)];
}

template <typename Table>
int Cell(const Table& table, int row, int column) {
    return table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

// Vipat (3rd), Pratyari (5th) and Vadha (7th) of each round of nine are the
// unlucky taras.
bool LuckyTara(int tara) {
    return tara != 3 && tara != 5 && tara != 7;
}

// Bhakoot: the groom's sign counted from the bride's; the 2/12, 5/9 and 6/8
// relations score nothing.
bool BhakootHolds(int count) {
    return count == 1 || count == 3 || count == 4 || count == 7 || count == 10 || count == 11;
}

constexpr std::array<std::string_view, 9> kTaraNames = {
    N_("Janma"),   N_("Sampat"), N_("Vipat"), N_("Kshema"),      N_("Pratyari"),
    N_("Sadhaka"), N_("Vadha"),  N_("Mitra"), N_("Parama Mitra")};

}  // namespace

int TaraOf(int fromNakshatra, int toNakshatra) {
    return (CountFrom(fromNakshatra, toNakshatra, kNakshatraCount) - 1) % 9 + 1;
}

std::string_view TaraName(int tara) {
    return kTaraNames[static_cast<std::size_t>(tara - 1)];
}

std::string_view GunaBandText(GunaBand band, const Catalogue& words) {
    switch (band) {
        case GunaBand::NotRecommended:
            return Tr(words, "not recommended");
        case GunaBand::Average:
            return Tr(words, "average");
        case GunaBand::Good:
            return Tr(words, "good");
        case GunaBand::Excellent:
            return Tr(words, "excellent");
    }
    return {};
}

// Below 18 not recommended, 18 to 24½ average, 25 to 32½ good, 33 and over
// excellent.
GunaBand Ashtakoota::band() const {
    if (totalHalfPoints < 36) return GunaBand::NotRecommended;
    if (totalHalfPoints < 50) return GunaBand::Average;
    if (totalHalfPoints < 66) return GunaBand::Good;
    return GunaBand::Excellent;
}

Ashtakoota ScoreAshtakoota(const MoonPlacement& groom, const MoonPlacement& bride,
                           VashyaPoints table) {
    const NakshatraTraits& groomStar = Star(groom);
    const NakshatraTraits& brideStar = Star(bride);
    const SignTraits& groomSign = Sign(groom);
    const SignTraits& brideSign = Sign(bride);

    Ashtakoota result;
    auto set = [&result](Koota koota, int halfPoints) {
        result.halfPoints[static_cast<std::size_t>(koota)] = halfPoints;
        result.totalHalfPoints += halfPoints;
    };
    set(Koota::Varna, groomSign.varna >= brideSign.varna ? 2 : 0);

    const VashyaGroup groomGroup = VashyaGroupOf(groom);
    const VashyaGroup brideGroup = VashyaGroupOf(bride);
    set(Koota::Vashya, table == VashyaPoints::Symmetric
                           ? Cell(SymmetricVashyaPoints, groomGroup, brideGroup)
                           : Cell(AsymmetricVashyaPointsByBride, brideGroup, groomGroup));

    // Counted both ways, 1.5 points for each lucky direction.
    set(Koota::Tara, (LuckyTara(TaraOf(bride.nakshatra, groom.nakshatra)) ? 3 : 0) +
                         (LuckyTara(TaraOf(groom.nakshatra, bride.nakshatra)) ? 3 : 0));
    set(Koota::Yoni, 2 * Cell(YoniPoints, groomStar.yoni, brideStar.yoni));
    set(Koota::GrahaMaitri, Cell(GrahaMaitriPoints, groomSign.lord, brideSign.lord));
    set(Koota::Gana, 2 * Cell(GanaPoints, groomStar.gana, brideStar.gana));
    set(Koota::Bhakoot, BhakootHolds(CountFrom(bride.sign, groom.sign, 12)) ? 14 : 0);
    set(Koota::Nadi, groomStar.nadi != brideStar.nadi ? 16 : 0);
    return result;
}

KootaSides KootaCompared(Koota koota, const MoonPlacement& groom, const MoonPlacement& bride) {
    const NakshatraTraits& groomStar = Star(groom);
    const NakshatraTraits& brideStar = Star(bride);
    const SignTraits& groomSign = Sign(groom);
    const SignTraits& brideSign = Sign(bride);
    auto name = [](const auto& names, int index) { return names[static_cast<std::size_t>(index)]; };
    switch (koota) {
        case Koota::Varna:
            return {name(VarnaNames, groomSign.varna), name(VarnaNames, brideSign.varna)};
        case Koota::Vashya:
            return {name(VashyaGroupNames, VashyaGroupOf(groom)),
                    name(VashyaGroupNames, VashyaGroupOf(bride))};
        case Koota::Tara:  // each side's star counted from the other's
            return {TaraName(TaraOf(bride.nakshatra, groom.nakshatra)),
                    TaraName(TaraOf(groom.nakshatra, bride.nakshatra))};
        case Koota::Yoni:
            return {name(YoniNames, groomStar.yoni), name(YoniNames, brideStar.yoni)};
        case Koota::GrahaMaitri:
            return {name(LordNames, groomSign.lord), name(LordNames, brideSign.lord)};
        case Koota::Gana:
            return {name(GanaNames, groomStar.gana), name(GanaNames, brideStar.gana)};
        case Koota::Bhakoot:
            return {name(SignNames, groom.sign), name(SignNames, bride.sign)};
        case Koota::Nadi:
            return {name(NadiNames, groomStar.nadi), name(NadiNames, brideStar.nadi)};
    }
    return {};
}

std::string PointsText(int halfPoints) {
    assert(halfPoints >= 0);
    std::string text = std::to_string(halfPoints / 2);
    if (halfPoints % 2 != 0) text += ".5";
    return text;
}

}  // namespace orbalis::matching
