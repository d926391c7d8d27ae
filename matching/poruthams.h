#pragma once

#include <array>
#include <string>
#include <string_view>

#include "matching/moon_placement.h"

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
    {"Dina", "dina", false},
    {"Gana", "gana", false},
    {"Mahendra", "mahendra", false},
    {"Stree deergha", "stree_deergha", false},
    {"Yoni", "yoni", false},
    {"Rasi", "rasi", false},
    {"Rasyadhipati", "rasyadhipati", false},
    {"Vasya", "vasya", false},
    {"Rajju", "rajju", true},
    {"Vedha", "vedha", true},
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
                           const MoonPlacement& bride);

// "1st", "2nd", "23rd".
std::string Ordinal(int number);

// Whether each of two planets regards the other as a natural friend; whether
// either regards the other as an enemy.
bool MutualFriends(Planet first, Planet second);
bool EitherEnemy(Planet first, Planet second);

}  // namespace orbalis::matching
