#include <string>
#include <string_view>

#include "model/text_utils.h"
#include "positions/planet_positions.h"

namespace orbalis {
namespace {

constexpr std::string_view kDegreeSign = "\u00B0";  // two bytes in UTF-8

// A part of one character or none is padded with a leading zero.
void AppendPadded(std::string& out, std::string_view part) {
    if (part.size() <= 1) out.push_back('0');
    out.append(part);
}

}  // namespace

std::string ShortPositionText(std::string_view signPositionText) {
    const std::string_view text = TrimBlanks(signPositionText);

    const std::size_t degreeSign = text.find(kDegreeSign);
    const std::string_view degrees = TrimBlanks(text.substr(0, degreeSign));

    std::string_view minutes;
    if (degreeSign != std::string_view::npos) {
        const std::string_view afterDegrees = text.substr(degreeSign + kDegreeSign.size());
        minutes = TrimBlanks(afterDegrees.substr(0, afterDegrees.find('\'')));
    }

    const std::string_view sign =
        TrimBlanks(text.size() >= 3 ? text.substr(text.size() - 3) : text);

    // Seconds are dropped, never rounded into the minutes.
    std::string result;
    result.reserve(9);
    AppendPadded(result, degrees);
    result.push_back(' ');
    result.append(sign);
    result.push_back(' ');
    AppendPadded(result, minutes);
    return result;
}

}  // namespace orbalis
