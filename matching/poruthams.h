#pragma once

#include <array>
#include <string>
#include <string_view>

#include "matching/moon_placement.h"
#include "model/catalogue.h"

namespace orbalis::matching {

// The ten agreements of the south Indian reckoning, each passed or failed.
// Stars and signs are counted from the bride's to the groom's.
enum class Porutham : int {
    Dina,
    Gana,
    Mahendra,
    StreeDeergha,
    Yoni,
    Rasi,
    Rasyadhipati,
    Vasya,
    Rajju,
    Vedha
};
inline constexpr int kPoruthamCount = 10;

struct PoruthamName {
    std::string_view title;  // "Stree deergha"
    std::string_view key;    // "stree_deergha": the JSON key; "p_" and it name the CSV column
    bool required;           // most families refuse a match that fails it
};
inline constexpr std::array<PoruthamName, kPoruthamCount> PoruthamNames = {{
    {N_("Dina"), "dina", false},
    {N_("Gana"), "gana", false},
    {N_("Mahendra"), "mahendra", false},
    {N_("Stree deergha"), "stree_deergha", false},
    {N_("Yoni"), "yoni", false},
    {N_("Rasi"), "rasi", false},
    {N_("Rasyadhipati"), "rasyadhipati", false},
    {N_("Vasya"), "vasya", false},
    {N_("Rajju"), "rajju", true},
    {N_("Vedha"), "vedha", true},
}};

struct Poruthams {
    std::array<bool, kPoruthamCount> passed{};

    bool passes(Porutham porutham) const { return passed[static_cast<std::size_t>(porutham)]; }
    int count() const;
    friend bool operator==(const Poruthams&, const Poruthams&) = default;
};

Poruthams CheckPoruthams(const MoonPlacement& groom, const MoonPlacement& bride);

// Why a porutham passed or failed, in one plain sentence:
// "The groom's star is the 9th from the bride's, one of the agreeing counts."
std::string PoruthamReason(Porutham porutham, const MoonPlacement& groom,
                           const MoonPlacement& bride, const Catalogue& words = English());

// "1st", "2nd", "23rd".
std::string Ordinal(int number, const Catalogue& words = English());

// Whether each of two planets regards the other as a natural friend; whether
// either regards the other as an enemy.
bool MutualFriends(Planet first, Planet second);
bool EitherEnemy(Planet first, Planet second);

}  // namespace orbalis::matching
