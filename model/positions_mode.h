#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/catalogue.h"

namespace orbalis {

// Where a reading's positions come from. Classic: the program's own mean
// elements, lunar series and station tables, unchanged. Precise: the Swiss
// Ephemeris, apparent sidereal positions with the Lahiri ayanamsa. Everything
// after the positions (texts, chart, Kuja dosha) is the same for both.
enum class PositionsMode { Classic, Precise };

// The mode's name on the command line and in JSON: "classic", "precise".
constexpr std::string_view PositionsModeName(PositionsMode mode) {
    return mode == PositionsMode::Precise ? "precise" : "classic";
}

constexpr std::optional<PositionsMode> PositionsModeNamed(std::string_view name) {
    if (name == "classic") return PositionsMode::Classic;
    if (name == "precise") return PositionsMode::Precise;
    return std::nullopt;
}

// Where precise positions came from when the library found no ephemeris
// files and fell back on its own built-in (less exact) ephemeris.
inline constexpr std::string_view kBuiltInEphemeris = "Swiss Ephemeris, built-in";

// The line the results form shows under its heading, so that a printout or a
// picture says how its positions were computed.
inline std::string PositionsModeMarker(PositionsMode mode, bool builtInEphemeris = false,
                                       const Catalogue& words = English()) {
    if (mode == PositionsMode::Classic) return std::string(Tr(words, "Positions: classic"));
    return Fill(Tr(words, "Positions: precise ({ephemeris})"),
                {{"ephemeris", builtInEphemeris ? kBuiltInEphemeris : "Swiss Ephemeris"}});
}

}  // namespace orbalis
