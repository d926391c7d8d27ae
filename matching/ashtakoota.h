#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "matching/moon_placement.h"
#include "model/catalogue.h"

namespace orbalis::matching {

// The eight kootas of the north Indian reckoning, 36 points in all.
enum class Koota : int { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };
inline constexpr int kKootaCount = 8;

struct KootaName {
    std::string_view title;  // "Graha maitri": a row heading
    std::string_view key;    // "graha_maitri": the JSON key and CSV column
    int maximum;             // whole points
};
inline constexpr std::array<KootaName, kKootaCount> KootaNames = {{
    {N_("Varna"), "varna", 1},
    {N_("Vashya"), "vashya", 2},
    {N_("Tara"), "tara", 3},
    {N_("Yoni"), "yoni", 4},
    {N_("Graha maitri"), "graha_maitri", 5},
    {N_("Gana"), "gana", 6},
    {N_("Bhakoot"), "bhakoot", 7},
    {N_("Nadi"), "nadi", 8},
}};

// Which vashya points table to use: the symmetric one (the default) or the
// asymmetric one printed with the bride's group as the row.
enum class VashyaPoints { Symmetric, Asymmetric };

constexpr std::string_view VashyaPointsName(VashyaPoints table) {
    return table == VashyaPoints::Asymmetric ? "asymmetric" : "symmetric";
}

constexpr std::optional<VashyaPoints> VashyaPointsNamed(std::string_view name) {
    if (name == "symmetric") return VashyaPoints::Symmetric;
    if (name == "asymmetric") return VashyaPoints::Asymmetric;
    return std::nullopt;
}

// The total's band, as families read it.
enum class GunaBand { NotRecommended, Average, Good, Excellent };
// "not recommended", "average", …: English for JSON and CSV, as the band's
// machine value, unless a catalogue is given.
std::string_view GunaBandText(GunaBand band, const Catalogue& words = English());

struct Ashtakoota {
    std::array<int, kKootaCount> halfPoints{};  // each koota's score, in half points
    int totalHalfPoints = 0;

    double points(Koota koota) const { return halfPoints[static_cast<std::size_t>(koota)] / 2.0; }
    double total() const { return totalHalfPoints / 2.0; }
    GunaBand band() const;
    friend bool operator==(const Ashtakoota&, const Ashtakoota&) = default;
};

Ashtakoota ScoreAshtakoota(const MoonPlacement& groom, const MoonPlacement& bride,
                           VashyaPoints table = VashyaPoints::Symmetric);

// What a koota compared, the groom's side first: "Kshatriya", "Brahmin".
struct KootaSides {
    std::string_view groom;
    std::string_view bride;
};
KootaSides KootaCompared(Koota koota, const MoonPlacement& groom, const MoonPlacement& bride);

// The tara (1..9) of a star counted from another, and its name ("Vipat").
int TaraOf(int fromNakshatra, int toNakshatra);
std::string_view TaraName(int tara);  // English; shown through Tr

// "1.5", "0.5", "7": points as the tables and the command line print them.
std::string PointsText(int halfPoints);

}  // namespace orbalis::matching
