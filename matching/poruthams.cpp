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

std::string Names(std::string_view groom, std::string_view bride) {
    return std::string(groom) + " and " + std::string(bride);
}

}  // namespace

bool MutualFriends(Planet first, Planet second) {
    return RelationOf(first, second) == kFriend && RelationOf(second, first) == kFriend;
}

bool EitherEnemy(Planet first, Planet second) {
    return RelationOf(first, second) == kEnemy || RelationOf(second, first) == kEnemy;
}

std::string Ordinal(int number) {
    const int lastTwo = number % 100;
    const int last = number % 10;
    const char* ending = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1) ending = "st";
        if (last == 2) ending = "nd";
        if (last == 3) ending = "rd";
    }
    return std::to_string(number) + ending;
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
                           const MoonPlacement& bride) {
    const NakshatraTraits& groomStar = Star(groom);
    const NakshatraTraits& brideStar = Star(bride);
    const SignTraits& groomSign = Sign(groom);
    const SignTraits& brideSign = Sign(bride);
    const std::string stars =
        "The groom's star is the " + Ordinal(StarCount(groom, bride)) + " from the bride's";
    const std::string signs =
        "The groom's sign is the " + Ordinal(SignCount(groom, bride)) + " from the bride's";
    const bool passes = CheckPoruthams(groom, bride).passes(porutham);
    auto name = [](const auto& names, int index) { return names[static_cast<std::size_t>(index)]; };

    switch (porutham) {
        case Porutham::Dina:
            return stars + (passes ? ", one of the agreeing counts." : ", not an agreeing count.");
        case Porutham::Gana:
            return Names(name(GanaNames, groomStar.gana), name(GanaNames, brideStar.gana)) +
                   (passes ? " agree." : ": a Rakshasa with another gana.");
        case Porutham::Mahendra:
            return stars + (passes
                                ? ", a count of Mahendra."
                                : ", not the 4th, 7th, 10th or every third after it to the 25th.");
        case Porutham::StreeDeergha:
            return stars + (passes ? ", beyond the 13th." : ", not beyond the 13th.");
        case Porutham::Yoni:
            return Names(name(YoniNames, groomStar.yoni), name(YoniNames, brideStar.yoni)) +
                   (passes ? " are not sworn enemies." : " are sworn enemies.");
        case Porutham::Rasi:
            if (groom.sign == bride.sign)
                return "Both Moons are in " + std::string(name(SignNames, groom.sign)) + ".";
            return signs + (passes ? ", beyond the 6th." : ", within the 6th.");
        case Porutham::Rasyadhipati: {
            const std::string lords =
                Names(name(LordNames, groomSign.lord), name(LordNames, brideSign.lord));
            if (groomSign.lord == brideSign.lord)
                return "Both signs are ruled by " + std::string(name(LordNames, groomSign.lord)) +
                       ".";
            return lords + (passes ? ": neither counts the other an enemy."
                                   : ": one counts the other an enemy.");
        }
        case Porutham::Vasya:
            return std::string(name(SignNames, groom.sign)) +
                   (passes ? " is held by " : " is not held by ") +
                   std::string(name(SignNames, bride.sign)) + ".";
        case Porutham::Rajju:
            return Names(name(RajjuNames, groomStar.rajju), name(RajjuNames, brideStar.rajju)) +
                   (passes ? ": different rajjus." : ": the same rajju.");
        case Porutham::Vedha:
            return Names(name(kNakshatraNames, groom.nakshatra),
                         name(kNakshatraNames, bride.nakshatra)) +
                   (passes ? " do not obstruct each other." : " obstruct each other.");
    }
    return {};
}

}  // namespace orbalis::matching
