#pragma once

#include "matching/ashtakoota.h"
#include "matching/match_flags.h"
#include "matching/moon_placement.h"
#include "matching/poruthams.h"

namespace orbalis::matching {

// Everything the two Moons say about a match: the Ashtakoota points, the ten
// poruthams and the flags reported beside them.
struct MoonMatch {
    MoonPlacement groom;
    MoonPlacement bride;
    Ashtakoota ashtakoota;
    Poruthams poruthams;
    MatchFlags flags;
    friend bool operator==(const MoonMatch&, const MoonMatch&) = default;
};

inline MoonMatch MatchMoons(const MoonPlacement& groom, const MoonPlacement& bride,
                            VashyaPoints table = VashyaPoints::Symmetric) {
    MoonMatch match{
        groom, bride, ScoreAshtakoota(groom, bride, table), CheckPoruthams(groom, bride), {}};
    match.flags = FindMatchFlags(groom, bride, match.ashtakoota);
    return match;
}

}  // namespace orbalis::matching
