#include "cli/birth_options.h"

#include <CLI/CLI.hpp>
#include <utility>

#include "model/birth_details.h"
#include "model/reference_tables.h"

namespace orbalis::cli {

void AddBirthOptions(CLI::App& subcommand, BirthOptions& a) {
    subcommand.add_option("FILE", a.file, "A reading file (.orb) instead of the options below");
    const std::pair<const char*, std::string> fields[] = {
        {"--name", "Name (letters and blanks)"},
        {"--date", "Date of birth, YYYY-MM-DD (" + std::to_string(kFirstBirthYear) + " to " +
                       std::to_string(kLastBirthYear) + ")"},
        {"--time", "Time of birth, HH:MM (00:00 to 24:59)"},
        {"--zone",
         "Time zone row, 0 to " + std::to_string(kTimeZoneCount - 1) + " (see the zones command)"},
        {"--lat", "Latitude, degrees N or S minutes: 28N39"},
        {"--lon", "Longitude, degrees E or W minutes: 77E13"},
        {"--city", "City"},
        {"--state", "State"},
        {"--country", "Country"},
    };
    for (const auto& [flag, help] : fields)
        a.birthOptions[flag] = subcommand.add_option(flag, a.birth[flag], help);
    a.dst = subcommand.add_flag("--dst", a.daylightSaving, "Daylight saving time in force");
    a.noDst = subcommand.add_flag("--no-dst", a.noDaylightSaving,
                                  "Daylight saving time not in force (with --place)");
    a.dst->excludes(a.noDst);
    a.placeOption = subcommand.add_option(
        "--place", a.place,
        "A town: \"Jalandhar, Punjab, India\" or the beginning of one town's name. It fills "
        "city, state, country, --lat, --lon, and --zone and --dst from its clock on that date; "
        "options given beside it win");
}

ReadingOutcome ReadingOfOptions(const BirthOptions& a, PositionsMode mode,
                                const ReadingWriter& writer) {
    if (!a.file.empty()) {
        bool anyBirthOption =
            a.dst->count() > 0 || a.noDst->count() > 0 || a.placeOption->count() > 0;
        for (const auto& [flag, option] : a.birthOptions) anyBirthOption |= option->count() > 0;
        if (anyBirthOption) {
            ReadingOutcome refused;
            refused.exitStatus = kReadingRefused;
            refused.error = "Give either a reading file or the birth options, not both";
            return refused;
        }
        return ReadingFromFile(a.file, mode, writer);
    }
    // The texts view the arguments themselves, not copies that end with the line.
    auto birth = [&a](const char* flag) -> const std::string& { return a.birth.at(flag); };
    const BirthTexts texts{birth("--name"),
                           birth("--date"),
                           birth("--time"),
                           birth("--zone"),
                           birth("--lat"),
                           birth("--lon"),
                           a.daylightSaving             ? "1"
                           : a.noDaylightSaving         ? "0"
                           : a.placeOption->count() > 0 ? ""
                                                        : "0",
                           birth("--city"),
                           birth("--state"),
                           birth("--country")};
    if (a.placeOption->count() > 0) return ReadingAtPlace(a.place, texts, mode, writer);
    return ReadingFromTexts(texts, mode, writer);
}

}  // namespace orbalis::cli
