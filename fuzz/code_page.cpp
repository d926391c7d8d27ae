// The code-page conversion both ways: every byte of the code page survives a
// trip through UTF-8, and any bytes at all convert without harm.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "model/code_page.h"

namespace {

bool ValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                                       : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = orbalis::CodePageToUtf8(bytes);
    FUZZ_CHECK(ValidUtf8(utf8));
    FUZZ_CHECK(orbalis::Utf8ToCodePage(utf8) == bytes);
    // The same bytes read as UTF-8, valid or not: one byte a character at most.
    FUZZ_CHECK(orbalis::Utf8ToCodePage(bytes).size() <= size);
    return 0;
}
