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

namespace {

// The combining marks of the Devanagari (U+0900..U+097F) and Tamil
// (U+0B80..U+0BFF) blocks: signs drawn on, above, below or beside the letter
// they follow, the virama and the nukta among them.
bool CombiningMark(char32_t c) {
    if (c >= 0x0900 && c <= 0x0903) return true;
    if (c >= 0x093A && c <= 0x094F && c != 0x093D) return true;
    if (c >= 0x0951 && c <= 0x0957) return true;
    if (c == 0x0962 || c == 0x0963) return true;
    if (c == 0x0B82) return true;
    if (c >= 0x0BBE && c <= 0x0BCD) return true;
    if (c == 0x0BD7) return true;
    return c == 0x200C || c == 0x200D;  // the zero-width joiners
}

}  // namespace

std::size_t TextColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (!CombiningMark(c)) ++columns;
        i += length;
    }
    return columns;
}

std::string PaddedToColumns(std::string_view text, std::size_t columns) {
    std::string padded(text);
    const std::size_t taken = TextColumns(text);
    if (taken < columns) padded.append(columns - taken, ' ');
    return padded;
}

}  // namespace orbalis
