// The place search on any typed text: at most the asked number of places, in
// their order (whole names first, then the larger towns), and the form's
// fillings of the text hold only what the letter boxes accept.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "places/place_entry_text.h"
#include "places/place_search.h"

namespace {

constexpr std::size_t kLimit = 12;

bool IsLetterBoxText(std::string_view text) {
    if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && !(c == ' ' && text[i + 1] != ' ')) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(IsLetterBoxText(orbalis::LettersOnlyText(query)));

    const std::vector<orbalis::PlaceMatch> matches = orbalis::MatchPlaces(query, kLimit);
    FUZZ_CHECK(matches.size() <= kLimit);
    for (std::size_t i = 0; i < matches.size(); ++i) {
        FUZZ_CHECK(!orbalis::PlaceLabel(*matches[i].place).empty());
        if (i == 0) continue;
        const orbalis::PlaceMatch& before = matches[i - 1];
        FUZZ_CHECK(before.kind <= matches[i].kind);
        FUZZ_CHECK(before.kind != matches[i].kind ||
                   before.place->population >= matches[i].place->population);
    }

    const orbalis::PlaceResolution resolution = orbalis::ResolvePlace(query);
    FUZZ_CHECK(resolution.candidates.size() <= 10);
    FUZZ_CHECK(!resolution.place || resolution.candidates.empty());
    return 0;
}
