#pragma once

#include <array>
#include <bitset>
#include <string_view>

#include "matching/ashtakoota.h"
#include "matching/moon_placement.h"
#include "model/catalogue.h"

namespace orbalis::matching {

// The doshas of the Ashtakoota, the exceptions that cancel them, and the
// other readings of the poruthams that some traditions give. They are never
// folded into the points or the pass/fail results: a match reports them beside.
// Each exception is set only when the dosha it cancels is present; the
// porutham readings are set whenever they hold.
enum class MatchFlag : int {
    NadiDosha,
    NadiSameSignOtherStar,
    NadiSameStarOtherSign,
    NadiSameStarOtherPada,
    NadiSignLordsSame,
    NadiSignLordsFriends,
    BhakootDosha,
    BhakootSignLordsSame,
    BhakootSignLordsFriends,
    BhakootNavamsaLordsFriends,
    GanaDosha,
    GanaSignLordsFriends,
    TaraDosha,
    TaraLordsFriends,
    DinaMiddlingPada,
    DinaSameStarBest,
    DinaSameStarMiddling,
    Dina27thSameSign,
    DinaSameSignGroomStarFirst,
    DinaRemainderRule,
    DinaVadha7th,
    DinaVainasika22nd,
    GanaBrideDevaGroomRakshasa,
    StreeDeerghaMiddling,
    Rasi7thCancerCapricornLeoAquarius,
    RasiSixthEighth,
    RasiSameSignSameStar,
    VasyaOtherWay,
    RajjuSameRunsDiffer,
};
inline constexpr int kMatchFlagCount = 29;

// The four doshas a match names, each with the flag that marks it.
enum class KootaDosha : int { Nadi, Bhakoot, Gana, Tara };
inline constexpr int kKootaDoshaCount = 4;

struct MatchFlagText {
    std::string_view key;          // "nadi_exc_same_sign_diff_nak": the JSON key
    std::string_view name;         // "Same Moon sign"
    std::string_view explanation;  // one plain sentence
};
extern const std::array<MatchFlagText, kMatchFlagCount> MatchFlagTexts;

struct KootaDoshaInfo {
    std::string_view name;                    // "Nadi dosha"
    MatchFlag flag;                           // the flag that marks it
    MatchFlag firstException, lastException;  // its exceptions, a run of flags
};
extern const std::array<KootaDoshaInfo, kKootaDoshaCount> KootaDoshas;

struct MatchFlags {
    std::bitset<kMatchFlagCount> bits;

    bool has(MatchFlag flag) const { return bits.test(static_cast<std::size_t>(flag)); }
    friend bool operator==(const MatchFlags&, const MatchFlags&) = default;
};

MatchFlags FindMatchFlags(const MoonPlacement& groom, const MoonPlacement& bride,
                          const Ashtakoota& scores);

}  // namespace orbalis::matching
