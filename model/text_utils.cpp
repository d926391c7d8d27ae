#include "model/text_utils.h"

namespace orbalis {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string DecimalText(long value) { return std::to_string(value); }

}  // namespace orbalis
