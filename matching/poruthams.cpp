#include "matching/poruthams.h"

#include <algorithm>

#include "model/reference_tables.h"

namespace orbalis::matching {
namespace {

const NakshatraTraits& Star(const MoonPlacement& moon) {
    return NakshatraTable[static_cast<std::size_t>(moon.nakshatra)];
}

const SignTraits& Sign(const MoonPlacement& moon) {
    return SignTable[static_cast<std::size_t>(moon.sign)];
}

Relation RelationOf(Planet from, Planet to) {
    return NaturalRelations[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
}

// The counts of the groom's star from the bride's that agree.
constexpr std::array<int, 12> kDinaCounts = {2, 4, 6, 8, 9, 11, 13, 15, 18, 20, 24, 26};
constexpr std::array<int, 8> kMahendraCounts = {4, 7, 10, 13, 16, 19, 22, 25};

template <std::size_t N>
bool Among(const std::array<int, N>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

int StarCount(const MoonPlacement& groom, const MoonPlacement& bride) {
    return CountFrom(bride.nakshatra, groom.nakshatra, kNakshatraCount);
}

int SignCount(const MoonPlacement& groom, const MoonPlacement& bride) {
    return CountFrom(bride.sign, groom.sign, 12);
}

bool GanasAgree(Gana groom, Gana bride) {
    return groom == bride || (groom != kRakshasa && bride != kRakshasa);
}

bool RasiAgrees(int count) {
    return count == 1 || count > 6;
}

bool Holds(const SignTraits& sign, int other) {
    return sign.holds[0] == other || sign.holds[1] == other;
}

bool VedhaPair(int first, int second) {
    const auto& vedha = NakshatraTable[static_cast<std::size_t>(first)].vedha;
    return vedha[0] == second || vedha[1] == second;
}

// The rajju names read "Pada" like a nakshatra's quarter, so each carries a
// context of its own for the translator.
std::string_view RajjuName(int rajju, const Catalogue& words) {
    switch (static_cast<Rajju>(rajju)) {
        case kPadaRajju:
            return TrC(words, "rajju", "Pada");
        case kKatiRajju:
            return TrC(words, "rajju", "Kati");
        case kNabhiRajju:
            return TrC(words, "rajju", "Nabhi");
        case kKantaRajju:
            return TrC(words, "rajju", "Kanta");
        case kSiroRajju:
            return TrC(words, "rajju", "Siro");
    }
    return {};
}

}  // namespace

bool MutualFriends(Planet first, Planet second) {
    return RelationOf(first, second) == kFriend && RelationOf(second, first) == kFriend;
}

bool EitherEnemy(Planet first, Planet second) {
    return RelationOf(first, second) == kEnemy || RelationOf(second, first) == kEnemy;
}

std::string Ordinal(int number, const Catalogue& words) {
    const int lastTwo = number % 100;
    const int last = number % 10;
    std::string_view pattern = Tr(words, "{number}th");
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1) pattern = Tr(words, "{number}st");
        if (last == 2) pattern = Tr(words, "{number}nd");
        if (last == 3) pattern = Tr(words, "{number}rd");
    }
    return Fill(pattern, {{"number", std::to_string(number)}});
}

int Poruthams::count() const {
    return static_cast<int>(std::count(passed.begin(), passed.end(), true));
}

Poruthams CheckPoruthams(const MoonPlacement& groom, const MoonPlacement& bride) {
    const NakshatraTraits& groomStar = Star(groom);
    const NakshatraTraits& brideStar = Star(bride);
    const SignTraits& groomSign = Sign(groom);
    const SignTraits& brideSign = Sign(bride);
    const int stars = StarCount(groom, bride);

    Poruthams result;
    auto set = [&result](Porutham porutham, bool passes) {
        result.passed[static_cast<std::size_t>(porutham)] = passes;
    };
    set(Porutham::Dina, Among(kDinaCounts, stars));
    set(Porutham::Gana, GanasAgree(groomStar.gana, brideStar.gana));
    set(Porutham::Mahendra, Among(kMahendraCounts, stars));
    set(Porutham::StreeDeergha, stars > 13);
    set(Porutham::Yoni, SwornEnemy[static_cast<std::size_t>(groomStar.yoni)] != brideStar.yoni);
    set(Porutham::Rasi, RasiAgrees(SignCount(groom, bride)));
    set(Porutham::Rasyadhipati,
        groomSign.lord == brideSign.lord || !EitherEnemy(groomSign.lord, brideSign.lord));
    set(Porutham::Vasya, Holds(brideSign, groom.sign));
    set(Porutham::Rajju, groomStar.rajju != brideStar.rajju);
    set(Porutham::Vedha, !VedhaPair(groom.nakshatra, bride.nakshatra));
    return result;
}

std::string PoruthamReason(Porutham porutham, const MoonPlacement& groom,
                           const MoonPlacement& bride, const Catalogue& words) {
    const NakshatraTraits& groomStar = Star(groom);
    const NakshatraTraits& brideStar = Star(bride);
    const SignTraits& groomSign = Sign(groom);
    const SignTraits& brideSign = Sign(bride);
    const bool passes = CheckPoruthams(groom, bride).passes(porutham);
    auto name = [&words](const auto& names, int index) {
        return Tr(words, names[static_cast<std::size_t>(index)]);
    };
    // Each sentence is one pattern, whichever way the porutham went.
    auto stars = [&](std::string_view pattern) {
        return Fill(pattern, {{"count", Ordinal(StarCount(groom, bride), words)}});
    };
    auto signs = [&](std::string_view pattern) {
        return Fill(pattern, {{"count", Ordinal(SignCount(groom, bride), words)}});
    };
    auto pair = [](std::string_view pattern, std::string_view groomName,
                   std::string_view brideName) {
        return Fill(pattern, {{"groom", groomName}, {"bride", brideName}});
    };

    switch (porutham) {
        case Porutham::Dina:
            return stars(passes ? Tr(words,
                                     "The groom's star is the {count} from the bride's, one of the "
                                     "agreeing counts.")
                                : Tr(words,
                                     "The groom's star is the {count} from the bride's, not an "
                                     "agreeing count."));
        case Porutham::Gana:
            return pair(passes ? Tr(words, "{groom} and {bride} agree.")
                               : Tr(words, "{groom} and {bride}: a Rakshasa with another gana."),
                        name(GanaNames, groomStar.gana), name(GanaNames, brideStar.gana));
        case Porutham::Mahendra:
            return stars(passes ? Tr(words,
                                     "The groom's star is the {count} from the bride's, a count of "
                                     "Mahendra.")
                                : Tr(words,
                                     "The groom's star is the {count} from the bride's, not the "
                                     "4th, 7th, 10th or every third after it to the 25th."));
        case Porutham::StreeDeergha:
            return stars(
                passes
                    ? Tr(words,
                         "The groom's star is the {count} from the bride's, beyond the 13th.")
                    : Tr(words,
                         "The groom's star is the {count} from the bride's, not beyond the 13th."));
        case Porutham::Yoni:
            return pair(passes ? Tr(words, "{groom} and {bride} are not sworn enemies.")
                               : Tr(words, "{groom} and {bride} are sworn enemies."),
                        name(YoniNames, groomStar.yoni), name(YoniNames, brideStar.yoni));
        case Porutham::Rasi:
            if (groom.sign == bride.sign)
                return Fill(Tr(words, "Both Moons are in {sign}."),
                            {{"sign", name(SignNames, groom.sign)}});
            return signs(
                passes
                    ? Tr(words, "The groom's sign is the {count} from the bride's, beyond the 6th.")
                    : Tr(words,
                         "The groom's sign is the {count} from the bride's, within the 6th."));
        case Porutham::Rasyadhipati:
            if (groomSign.lord == brideSign.lord)
                return Fill(Tr(words, "Both signs are ruled by {lord}."),
                            {{"lord", name(LordNames, groomSign.lord)}});
            return pair(passes
                            ? Tr(words, "{groom} and {bride}: neither counts the other an enemy.")
                            : Tr(words, "{groom} and {bride}: one counts the other an enemy."),
                        name(LordNames, groomSign.lord), name(LordNames, brideSign.lord));
        case Porutham::Vasya:
            return pair(passes ? Tr(words, "{groom} is held by {bride}.")
                               : Tr(words, "{groom} is not held by {bride}."),
                        name(SignNames, groom.sign), name(SignNames, bride.sign));
        case Porutham::Rajju:
            return pair(passes ? Tr(words, "{groom} and {bride}: different rajjus.")
                               : Tr(words, "{groom} and {bride}: the same rajju."),
                        RajjuName(groomStar.rajju, words), RajjuName(brideStar.rajju, words));
        case Porutham::Vedha:
            return pair(passes ? Tr(words, "{groom} and {bride} do not obstruct each other.")
                               : Tr(words, "{groom} and {bride} obstruct each other."),
                        name(kNakshatraNames, groom.nakshatra),
                        name(kNakshatraNames, bride.nakshatra));
    }
    return {};
}

}  // namespace orbalis::matching
