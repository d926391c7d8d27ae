#include "matching/match_flags.h"

#include <algorithm>

#include "matching/poruthams.h"

namespace orbalis::matching {

const std::array<MatchFlagText, kMatchFlagCount> MatchFlagTexts = {{
    {"nadi_dosha", N_("Nadi dosha"), N_("Both Moons' stars share one nadi.")},
    {"nadi_exc_same_sign_diff_nak", N_("Same sign, different stars"),
     N_("Both Moons are in one sign but in different stars, which many almanacs accept.")},
    {"nadi_exc_same_nak_diff_sign", N_("Same star, different signs"),
     N_("Both Moons are in one star but it spans two signs and they are in different ones.")},
    {"nadi_exc_same_nak_diff_pada", N_("Same star, different padas"),
     N_("Both Moons are in one star but in different quarters of it, allowed in necessity.")},
    {"nadi_exc_sign_lords_same", N_("Same sign lord"), N_("Both Moon signs have the same lord.")},
    {"nadi_exc_sign_lords_friendly", N_("Friendly sign lords"),
     N_("The lords of the two Moon signs are natural friends of each other.")},
    {"bhakoot_dosha", N_("Bhakoot dosha"),
     N_("The Moon signs stand 2/12, 5/9 or 6/8 from each other.")},
    {"bhakoot_exc_sign_lords_same", N_("Same sign lord"),
     N_("Both Moon signs have the same lord.")},
    {"bhakoot_exc_sign_lords_friendly", N_("Friendly sign lords"),
     N_("The lords of the two Moon signs are natural friends of each other.")},
    {"bhakoot_exc_navamsa_lords_friendly", N_("Friendly navamsa lords"),
     N_("The lords of the Moons' navamsa signs are the same or natural friends of each other.")},
    {"gana_dosha", N_("Gana dosha"), N_("The ganas give 1 point or none.")},
    {"gana_exc_sign_lords_friendly", N_("Friendly sign lords"),
     N_("The lords of the two Moon signs are the same or natural friends of each other.")},
    {"tara_dosha", N_("Tara dosha"),
     N_("One of the two stars falls in an unlucky tara of the other.")},
    {"tara_exc_lords_friendly", N_("Friendly lords"),
     N_("The lords of the Moon signs, or of their navamsa signs, are the same or natural "
        "friends.")},
    {"dina_madhyama_pada", N_("Dina in a middling pada"),
     N_("The groom's star is the 12th, 14th or 16th and his pada is not the one that spoils it.")},
    {"dina_same_star_uthamam", N_("Same star, best"),
     N_("Both are born in the same star, one of those that the common list calls best.")},
    {"dina_same_star_madhyamam", N_("Same star, middling"),
     N_("Both are born in the same star, one of those that the common list calls middling.")},
    {"dina_27th_same_sign", N_("27th star in the same sign"),
     N_("The groom's star is the 27th from the bride's and both are in one sign: acceptable.")},
    {"dina_same_sign_boy_star_precedes", N_("Groom's star first"),
     N_("Both Moons are in one sign and the groom's star comes first, as some lists require.")},
    {"dina_mod9_rule", N_("Dina by remainders"),
     N_("The count of stars, divided by nine, leaves no 3, 5 or 7: a pass by the remainder rule.")},
    {"dina_vadha_7th", N_("Vadha star"),
     N_("The groom's star is the 7th from the bride's, a count that is rejected.")},
    {"dina_vainasika_22nd_from_boy", N_("Vainasika star"),
     N_("The bride's star is the 22nd from the groom's, a count that is rejected.")},
    {"gana_girl_deva_boy_rakshasa", N_("Deva bride, Rakshasa groom"),
     N_("One south Indian tradition accepts a Deva bride with a Rakshasa groom.")},
    {"stree_deergha_madhyama_8_to_13", N_("Stree deergha middling"),
     N_("The groom's star is the 8th to 13th from the bride's, which some count as middling.")},
    {"rasi_7th_cancer_capricorn_leo_aquarius", N_("Opposite signs excepted"),
     N_("The signs face each other as Cancer and Capricorn or Leo and Aquarius, held bad.")},
    {"rasi_shashtashtaka_6_8", N_("Signs 6/8"),
     N_("The signs stand 6th and 8th from each other, bad in some readings.")},
    {"rasi_same_sign_same_star", N_("Same sign and same star"),
     N_("Both Moons are in one sign and one star, which one reading forbids.")},
    {"vasya_girl_in_boy_list", N_("Vasya the other way"),
     N_("The bride's sign is among the signs the groom's sign holds.")},
    {"rajju_same_but_aroha_avaroha_differ", N_("Rajju on rising and falling runs"),
     N_("The stars share a rajju, but one lies on a rising run and one on a falling run.")},
}};

const std::array<KootaDoshaInfo, kKootaDoshaCount> KootaDoshas = {{
    {N_("Nadi dosha"), MatchFlag::NadiDosha, MatchFlag::NadiSameSignOtherStar,
     MatchFlag::NadiSignLordsFriends},
    {N_("Bhakoot dosha"), MatchFlag::BhakootDosha, MatchFlag::BhakootSignLordsSame,
     MatchFlag::BhakootNavamsaLordsFriends},
    {N_("Gana dosha"), MatchFlag::GanaDosha, MatchFlag::GanaSignLordsFriends,
     MatchFlag::GanaSignLordsFriends},
    {N_("Tara dosha"), MatchFlag::TaraDosha, MatchFlag::TaraLordsFriends,
     MatchFlag::TaraLordsFriends},
}};

namespace {

Planet LordOf(int sign) {
    return SignTable[static_cast<std::size_t>(sign)].lord;
}

bool SameOrFriends(Planet first, Planet second) {
    return first == second || MutualFriends(first, second);
}

bool Among(std::initializer_list<int> values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

template <std::size_t N>
bool Among(const std::array<int, N>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The star count at which a pada spoils Dina (12th: 1st pada, 14th: 4th,
// 16th: 3rd), or 0.
int SpoilingPada(int count) {
    if (count == 12) return 1;
    if (count == 14) return 4;
    if (count == 16) return 3;
    return 0;
}

}  // namespace

MatchFlags FindMatchFlags(const MoonPlacement& groom, const MoonPlacement& bride,
                          const Ashtakoota& scores) {
    const NakshatraTraits& groomStar = NakshatraTable[static_cast<std::size_t>(groom.nakshatra)];
    const NakshatraTraits& brideStar = NakshatraTable[static_cast<std::size_t>(bride.nakshatra)];
    const Planet groomLord = LordOf(groom.sign);
    const Planet brideLord = LordOf(bride.sign);
    const bool sameStar = groom.nakshatra == bride.nakshatra;
    const bool sameSign = groom.sign == bride.sign;
    const bool lordsSame = groomLord == brideLord;
    const bool lordsFriends = MutualFriends(groomLord, brideLord);
    const bool navamsaLordsFriendly =
        SameOrFriends(LordOf(groom.navamsaSign()), LordOf(bride.navamsaSign()));
    const int stars = CountFrom(bride.nakshatra, groom.nakshatra, kNakshatraCount);
    const int signs = CountFrom(bride.sign, groom.sign, 12);

    MatchFlags flags;
    auto set = [&flags](MatchFlag flag, bool value) {
        flags.bits.set(static_cast<std::size_t>(flag), value);
    };

    const bool nadi = scores.points(Koota::Nadi) == 0;
    set(MatchFlag::NadiDosha, nadi);
    set(MatchFlag::NadiSameSignOtherStar, nadi && sameSign && !sameStar);
    set(MatchFlag::NadiSameStarOtherSign, nadi && sameStar && !sameSign);
    set(MatchFlag::NadiSameStarOtherPada, nadi && sameStar && groom.pada != bride.pada);
    set(MatchFlag::NadiSignLordsSame, nadi && lordsSame);
    set(MatchFlag::NadiSignLordsFriends, nadi && lordsFriends);

    const bool bhakoot = scores.points(Koota::Bhakoot) == 0;
    set(MatchFlag::BhakootDosha, bhakoot);
    set(MatchFlag::BhakootSignLordsSame, bhakoot && lordsSame);
    set(MatchFlag::BhakootSignLordsFriends, bhakoot && lordsFriends);
    set(MatchFlag::BhakootNavamsaLordsFriends, bhakoot && navamsaLordsFriendly);

    const bool gana = scores.points(Koota::Gana) <= 1;
    set(MatchFlag::GanaDosha, gana);
    set(MatchFlag::GanaSignLordsFriends, gana && (lordsSame || lordsFriends));

    const bool tara = scores.points(Koota::Tara) < 3;
    set(MatchFlag::TaraDosha, tara);
    set(MatchFlag::TaraLordsFriends, tara && (lordsSame || lordsFriends || navamsaLordsFriendly));

    const int spoiling = SpoilingPada(stars);
    set(MatchFlag::DinaMiddlingPada, spoiling != 0 && groom.pada != spoiling);
    set(MatchFlag::DinaSameStarBest, sameStar && Among(SameStarBest, groom.nakshatra));
    set(MatchFlag::DinaSameStarMiddling, sameStar && Among(SameStarMiddling, groom.nakshatra));
    set(MatchFlag::Dina27thSameSign, stars == 27 && sameSign);
    set(MatchFlag::DinaSameSignGroomStarFirst, sameSign && groom.nakshatra < bride.nakshatra);
    set(MatchFlag::DinaRemainderRule, !Among({3, 5, 7}, stars % 9));
    set(MatchFlag::DinaVadha7th, stars == 7);
    set(MatchFlag::DinaVainasika22nd,
        CountFrom(groom.nakshatra, bride.nakshatra, kNakshatraCount) == 22);
    set(MatchFlag::GanaBrideDevaGroomRakshasa,
        brideStar.gana == kDeva && groomStar.gana == kRakshasa);
    set(MatchFlag::StreeDeerghaMiddling, stars >= 8 && stars <= 13);
    const auto pair = [&](int a, int b) {
        return (groom.sign == a && bride.sign == b) || (groom.sign == b && bride.sign == a);
    };
    set(MatchFlag::Rasi7thCancerCapricornLeoAquarius, signs == 7 && (pair(3, 9) || pair(4, 10)));
    set(MatchFlag::RasiSixthEighth, signs == 6 || signs == 8);
    set(MatchFlag::RasiSameSignSameStar, sameSign && sameStar);
    const auto& holds = SignTable[static_cast<std::size_t>(groom.sign)].holds;
    set(MatchFlag::VasyaOtherWay, holds[0] == bride.sign || holds[1] == bride.sign);
    set(MatchFlag::RajjuSameRunsDiffer,
        groomStar.rajju == brideStar.rajju && groomStar.run != kTurning &&
            brideStar.run != kTurning && groomStar.run != brideStar.run);
    return flags;
}

}  // namespace orbalis::matching
