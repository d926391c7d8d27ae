#include "places/place_entry_text.h"

#include <cmath>

#include "places/latin_letters.h"

namespace orbalis {

std::string LettersOnlyText(std::string_view utf8) {
    return AsciiLatinText(utf8, false);
}

DegreesMinutes RoundToMinute(double degrees) {
    const long totalMinutes = std::lround(std::fabs(degrees) * 60.0);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60), degrees < 0};
}

}  // namespace orbalis
