#pragma once

#include <string>

#include "matching/moon_match.h"
#include "model/catalogue.h"

namespace orbalis::matching {

// The values of a match in words, which the match sheet (reading/match_sheet.h)
// puts together.

// "Leo, Uttara Phalguni, pada 1"
std::string MoonPlacementText(const MoonPlacement& moon, const Catalogue& words = English());

// "26.5 of 36 gunas (good)"
std::string GunaTotalText(const Ashtakoota& scores, const Catalogue& words = English());

// "5 of 10 poruthams agree, Rajju and Vedha among them"
std::string PoruthamCountText(const Poruthams& poruthams, const Catalogue& words = English());

// Whether the dosha is present, and the names of the exceptions that hold,
// joined by "; ": "present; cancelled in some readings by: Friendly sign lords".
std::string KootaDoshaVerdict(const MoonMatch& match, KootaDosha dosha,
                              const Catalogue& words = English());

}  // namespace orbalis::matching
