#pragma once

#include <string>

#include "matching/moon_match.h"

namespace orbalis::matching {

// The parts of a match as plain text, lines ending in LF, for the command
// line, the clipboard and the printed page.

// "Leo, Uttara Phalguni, pada 1"
std::string MoonPlacementText(const MoonPlacement& moon);

// The Ashtakoota table: each koota with what it compared and its points, then
// the total and its band.
std::string AshtakootaText(const MoonMatch& match);

// Each of the four doshas, present or not, with the exceptions that hold.
std::string KootaDoshasText(const MoonMatch& match);

// The ten poruthams with their results and reasons, then the count.
std::string PoruthamsText(const MoonMatch& match);

// "26.5 of 36 gunas (good)"
std::string GunaTotalText(const Ashtakoota& scores);

// "5 of 10 poruthams agree, Rajju and Vedha among them"
std::string PoruthamCountText(const Poruthams& poruthams);

// Whether the dosha is present, and the names of the exceptions that hold,
// joined by "; ": "present; cancelled in some readings by: Friendly sign lords".
std::string KootaDoshaVerdict(const MoonMatch& match, KootaDosha dosha);

}  // namespace orbalis::matching
