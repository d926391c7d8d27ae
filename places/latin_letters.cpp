#include "places/latin_letters.h"

#include <cstdint>

namespace orbalis {

namespace {

// Two characters per code point, blank-padded: the ASCII letters a Latin
// letter is written with once its marks are taken off (blank: no letter).
// From U+00C0 (Latin-1 letters, Latin Extended-A and -B):
constexpr std::string_view kLatinFrom00C0 =
    "A A A A A A AEC E E E E I I I I D N O O O O O   O U U U U Y Thss"
    "a a a a a a aec e e e e i i i i d n o o o o o   o u u u u y thy "
    "A a A a A a C c C c C c C c D d D d E e E e E e E e E e G g G g "
    "G g G g H h H h I i I i I i I i I i IJijJ j K k k L l L l L l L "
    "l L l N n N n N n n N n O o O o O o OEoeR r R r R r S s S s S s "
    "S s T t T t     U u U u U u U u U u U u W w Y y Y Z z Z z Z z s "
    "b B         O     D           E E F f         I K k             "
    "O o                           U u     Y y Z z                   "
    "        DZDzdzLJLjljNJNjnjA a I i O o U u U u U u U u U u   A a "
    "A a     G g G g K k O o O o     j DZDzdzG g     N n A a         "
    "A a A a E e E e I i I i O o O o R r R r U u U u S s T t     H h "
    "            A a E e O o O o O o O o Y y                         "
    "      B                         ";
// From U+1E00 (Latin Extended Additional: Vietnamese and transliterations):
constexpr std::string_view kLatinFrom1E00 =
    "A a B b B b B b C c D d D d D d D d D d E e E e E e E e E e F f "
    "G g H h H h H h H h H h I i I i K k K k K k L l L l L l L l M m "
    "M m M m N n N n N n N n O o O o O o O o P p P p R r R r R r R r "
    "S s S s S s S s S s T t T t T t T t U u U u U u U u U u V v V v "
    "W w W w W w W w W w X x X x Y y Z z Z z Z z h t w y a s     SS  "
    "A a A a A a A a A a A a A a A a A a A a A a A a E e E e E e E e "
    "E e E e E e E e I i I i O o O o O o O o O o O o O o O o O o O o "
    "O o O o U u U u U u U u U u U u U u Y y Y y Y y Y y             ";

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The next code point of UTF-8 text; a broken sequence yields one byte as
// kNoCharacter, which is then dropped.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || at + extra > text.size()) return kNoCharacter;
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return kNoCharacter;
        code = code << 6 | (next & 0x3F);
    }
    at += extra;
    return code;
}

std::string_view LatinBase(char32_t code) {
    std::string_view pair;
    if (code >= 0xC0 && code < 0xC0 + kLatinFrom00C0.size() / 2) {
        pair = kLatinFrom00C0.substr((code - 0xC0) * 2, 2);
    } else if (code >= 0x1E00 && code < 0x1E00 + kLatinFrom1E00.size() / 2) {
        pair = kLatinFrom1E00.substr((code - 0x1E00) * 2, 2);
    }
    while (!pair.empty() && pair.back() == ' ') pair.remove_suffix(1);
    return pair;
}

bool IsSeparator(char32_t code) {
    switch (code) {
        case ' ':
        case '\t':
        case '-':
        case '/':
        case ',':
        case '.':
        case '(':
        case ')':
        case '_':
        case 0xA0:
        case 0x2010:
        case 0x2011:
        case 0x2013:
        case 0x2014:
            return true;
        default:
            return false;
    }
}

bool IsApostrophe(char32_t code) {
    return code == '\'' || code == '`' || code == 0x2BB || code == 0x2BC || code == 0x2BF ||
           code == 0x2BE || code == 0x2018 || code == 0x2019 || code == 0xB4;
}

bool IsAsciiLetter(char32_t code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

}  // namespace

std::string AsciiLatinText(std::string_view utf8, bool keepDigits) {
    std::string out;
    out.reserve(utf8.size());
    bool blankPending = false;
    auto append = [&](std::string_view letters) {
        if (blankPending && !out.empty()) out += ' ';
        blankPending = false;
        out += letters;
    };
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = NextCodePoint(utf8, at);
        if (IsAsciiLetter(code) || (keepDigits && code >= '0' && code <= '9')) {
            const char letter = static_cast<char>(code);
            append(std::string_view(&letter, 1));
        } else if (IsSeparator(code)) {
            blankPending = true;
        } else if (const std::string_view base = LatinBase(code); !base.empty()) {
            append(base);
        }
    }
    return out;
}

std::string PlaceSearchKey(std::string_view utf8) {
    std::string key = AsciiLatinText(utf8, true);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

bool IsLatinScript(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = NextCodePoint(utf8, at);
        if (code < 0x80 || IsSeparator(code) || IsApostrophe(code)) continue;
        if (code == kNoCharacter || LatinBase(code).empty()) return false;
    }
    return true;
}

}  // namespace orbalis
