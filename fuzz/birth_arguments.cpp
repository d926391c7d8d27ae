// The birth details as the command line and a batch row give them: ten texts,
// here separated by line feeds in the order of BirthTexts. What they let
// through, the form's rules let through, and a reading follows.

#include <array>
#include <cstdint>
#include <string_view>

#include "cli/birth_arguments.h"
#include "cli/reading_result.h"
#include "fuzz_check.h"
#include "reading/input_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 10> texts{};
    for (std::string_view& text : texts) {
        const std::size_t end = rest.find('\n');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    const orbalis::cli::BirthTexts birth{texts[0], texts[1], texts[2], texts[3], texts[4],
                                         texts[5], texts[6], texts[7], texts[8], texts[9]};
    const orbalis::cli::BirthEntries entries = orbalis::cli::EntriesFromTexts(birth);
    if (entries.problem) {
        FUZZ_CHECK(!entries.column.empty());
        return 0;
    }
    FUZZ_CHECK(!orbalis::FirstInputProblem(entries.entries));
    orbalis::cli::BatchReading reading;
    orbalis::cli::ComputeBatchReading(orbalis::BirthDetailsFromForm(entries.entries), reading);
    return 0;
}
