#pragma once

#include <string>
#include <string_view>

namespace orbalis {

// The text as the form's name and place boxes accept it: ASCII letters and
// blanks. Accented Latin letters lose their marks ("São Paulo" -> "Sao Paulo",
// "Hyderābād" -> "Hyderabad"); separators become blanks, anything else is
// dropped; runs of blanks fold into one and the ends are trimmed.
std::string LettersOnlyText(std::string_view utf8);

// Degrees as the form's whole degrees and minutes, rounded to the nearest
// minute; negative is the southern or western hemisphere.
struct DegreesMinutes {
    int degrees;
    int minutes;
    bool negative;
};
DegreesMinutes RoundToMinute(double degrees);

}  // namespace orbalis
