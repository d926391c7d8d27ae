#pragma once

namespace orbalis {

// The fixed angle constants every engine uses. They are deliberately the
// rounded values readings have always been computed with, not values derived
// from std::numbers::pi, so that every position keeps its last digit.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPiValue = 3.14159265358979;
inline constexpr double kTwoPiValue = 6.28318530717958;

}  // namespace orbalis
