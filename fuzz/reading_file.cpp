// A reading file as the window and `orbalis-cli reading` open it: decoded,
// checked, put on a fresh form, passed through the form's rules and, when
// they let it, read in full. A file the program saves from the birth it gave
// opens to that same birth, its name trimmed as saving trims it (a name or
// place of blanks alone is saved empty, and such a file is refused).

#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz_check.h"
#include "model/text_utils.h"
#include "reading/input_rules.h"
#include "reading/reading.h"
#include "reading/reading_file.h"
#include "reading/text_export.h"

namespace {

// The birth a reading file gives, as the program opens it.
std::optional<orbalis::BirthDetails> BirthOf(std::string_view bytes) {
    const auto lines = orbalis::ParseReadingFile(bytes);
    if (!lines) return std::nullopt;
    const orbalis::FormEntries entries = orbalis::ApplyReadingFile(*lines, orbalis::FormEntries{});
    if (orbalis::FirstInputProblem(entries)) return std::nullopt;
    return orbalis::BirthDetailsFromForm(entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (size > orbalis::kReadingFileByteLimit) return 0;  // refused unread
    // The lines as decoded, checked or not, on a form.
    orbalis::ApplyReadingFile(orbalis::DecodeReadingFile(bytes), orbalis::FormEntries{});

    const std::optional<orbalis::BirthDetails> birth = BirthOf(bytes);
    if (!birth) return 0;
    orbalis::ChartReading reading;
    orbalis::ComputeReading(*birth, reading);
    FUZZ_CHECK(!orbalis::TextExport(*birth, reading).empty());

    orbalis::BirthDetails expected = *birth;
    expected.name = orbalis::TrimBlanks(birth->name);
    for (const std::string* text :
         {&expected.name, &expected.city, &expected.state, &expected.country})
        if (text->empty()) return 0;
    const std::optional<orbalis::BirthDetails> saved = BirthOf(orbalis::EncodeReadingFile(*birth));
    FUZZ_CHECK(saved.has_value());
    FUZZ_CHECK(*saved == expected);
    return 0;
}
