// `orbalis-cli reading`: one reading, of a birth given by its options, of a
// typed place, or of a reading file.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <string>

#include "cli/positions_option.h"
#include "cli/reading_command.h"
#include "cli/subcommand.h"
#include "model/birth_details.h"
#include "model/reference_tables.h"

namespace orbalis::cli {

namespace {

struct ReadingArguments {
    std::string file;
    std::map<std::string, std::string> birth;
    std::map<std::string, CLI::Option*> birthOptions;
    bool daylightSaving = false;
    bool noDaylightSaving = false;
    CLI::Option* dst = nullptr;
    CLI::Option* noDst = nullptr;
    std::string place;
    CLI::Option* placeOption = nullptr;
    std::string format;  // summary on a terminal, else text
    std::string positions = "classic";
    std::string encoding;
};

int RunReading(const ReadingArguments& a, const CliStreams& streams) {
    const std::string named =
        !a.format.empty() ? a.format : streams.outputIsTerminal ? "summary" : "text";
    const ReadingFormat format = named == "json"      ? ReadingFormat::Json
                                 : named == "summary" ? ReadingFormat::Summary
                                                      : ReadingFormat::Text;
    const PositionsMode mode = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    const bool textToUtf8 =
        format == ReadingFormat::Text &&
        (a.encoding.empty() ? streams.outputIsTerminal : a.encoding == "utf-8");
    if (!a.file.empty()) {
        bool anyBirthOption =
            a.dst->count() > 0 || a.noDst->count() > 0 || a.placeOption->count() > 0;
        for (const auto& [flag, option] : a.birthOptions) anyBirthOption |= option->count() > 0;
        if (anyBirthOption) {
            std::fprintf(streams.errors,
                         "Give either a reading file or the birth options, not both\n");
            return kUsageError;
        }
        return PrintOutcome(ReadingFromFile(a.file, format, mode), textToUtf8, streams);
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
    if (a.placeOption->count() > 0)
        return PrintOutcome(ReadingAtPlace(a.place, texts, format, mode), textToUtf8, streams);
    return PrintOutcome(ReadingFromTexts(texts, format, mode), textToUtf8, streams);
}

}  // namespace

Subcommand AddReadingSubcommand(CLI::App& app) {
    auto a = std::make_shared<ReadingArguments>();
    CLI::App* reading = app.add_subcommand("reading", "One reading, as text export or JSON");
    reading->add_option("FILE", a->file, "A reading file (.orb) instead of the options below");
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
        a->birthOptions[flag] = reading->add_option(flag, a->birth[flag], help);
    a->dst = reading->add_flag("--dst", a->daylightSaving, "Daylight saving time in force");
    a->noDst = reading->add_flag("--no-dst", a->noDaylightSaving,
                                 "Daylight saving time not in force (with --place)");
    a->dst->excludes(a->noDst);
    a->placeOption = reading->add_option(
        "--place", a->place,
        "A town: \"Jalandhar, Punjab, India\" or the beginning of one town's name. It fills "
        "city, state, country, --lat, --lon, and --zone and --dst from its clock on that date; "
        "options given beside it win");
    reading
        ->add_option("--format", a->format,
                     "text (the text export), json or summary (a few lines to read); summary "
                     "when standard output is a terminal, else text")
        ->check(CLI::IsMember({"text", "json", "summary"}));
    AddPositionsOption(*reading, a->positions);
    reading
        ->add_option("--encoding", a->encoding,
                     "windows-1252 (the export's own bytes) or utf-8, for the text; utf-8 "
                     "when standard output is a terminal, else windows-1252")
        ->check(CLI::IsMember({"windows-1252", "utf-8"}));
    return {reading, [a](const CliStreams& streams) { return RunReading(*a, streams); }};
}

}  // namespace orbalis::cli
