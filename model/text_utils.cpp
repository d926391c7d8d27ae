#include "model/text_utils.h"

namespace orbalis {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string DecimalText(long value) {
    return std::to_string(value);
}

std::string EscapedControls(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1) {
            const auto code = static_cast<unsigned char>(text[++i]);
            shown += "\\u00";
            shown += kHex[code >> 4];
            shown += kHex[code & 0xF];
        } else if ((byte < 0x20 && byte != '\n' && byte != '\r' && byte != '\t') || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

}  // namespace orbalis
