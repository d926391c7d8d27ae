#pragma once

#include <array>
#include <string_view>

namespace orbalis {

// Sun to Saturn, the bodies the interpretation texts speak of: the first
// seven of Body.
inline constexpr int kInterpretationBodyCount = 7;

// A general description of each body, by body index 0..6.
extern const std::array<std::string_view, 7> BodyDescriptions;
// [body 0..6][house - 1]: people with that body in that house, third person.
extern const std::array<std::array<std::string_view, 12>, 7> BodyInHouseTexts;
// [house of the lord - 1][house it stands in - 1]: a prediction, second person.
extern const std::array<std::array<std::string_view, 12>, 12> HouseLordTexts;

}  // namespace orbalis
