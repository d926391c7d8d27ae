// orbalis-cli: the Kuja dosha reading without a window, for one birth or a
// whole file of births.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "model/code_page.h"
#include "reading/command_line.h"
#include "cli/batch.h"
#include "cli/match_command.h"
#include "cli/places_command.h"
#include "cli/reading_command.h"
#include "cli/replacing_file.h"
#include "cli/zones.h"
#include "places/place_data_credit.h"

namespace {

using namespace orbalis::cli;

constexpr int kUsageError = 2;

// The text export is Windows-1252, as the window saves it; a terminal shows
// UTF-8.
int PrintOutcome(const ReadingOutcome& outcome, bool toUtf8) {
    const std::string output = toUtf8 ? orbalis::CodePageToUtf8(outcome.output) : outcome.output;
    std::fwrite(output.data(), 1, output.size(), stdout);
    if (!outcome.error.empty()) std::fprintf(stderr, "%s\n", outcome.error.c_str());
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "orbalis-cli: the reading cannot be written: %s\n",
                     std::strerror(errno));
        return kUsageError;
    }
    return outcome.exitStatus;
}

int RunBatchCommand(const std::string& inPath, const std::string& outPath, BatchOptions options) {
    const bool fromStdin = inPath.empty() || inPath == "-";
    const bool toStdout = outPath.empty() || outPath == "-";
    const std::string inName = fromStdin ? "standard input" : inPath;
    const std::string outName = toStdout ? "standard output" : outPath;

    std::FILE* in = fromStdin ? stdin : std::fopen(inPath.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "orbalis-cli: %s: %s\n", inName.c_str(), std::strerror(errno));
        return kBatchUnreadable;
    }
    if (!toStdout && IsSameFile(in, outPath.c_str())) {
        std::fprintf(stderr, "orbalis-cli: %s: the output would overwrite the input\n",
                     outPath.c_str());
        if (!fromStdin) std::fclose(in);
        return kBatchUnreadable;
    }
    ReplacingFile output;
    if (!toStdout && !output.Open(outPath)) {
        std::fprintf(stderr, "orbalis-cli: %s: %s\n", outPath.c_str(), output.Error().c_str());
        if (!fromStdin) std::fclose(in);
        return kBatchUnreadable;
    }

    if (isatty(fileno(stderr))) options.progress = stderr;
    BatchSummary summary = RunBatch(in, toStdout ? stdout : output.Stream(), options);
    if (!fromStdin) std::fclose(in);

    // The previous output stays when the run wrote nothing of its own.
    const bool wroteRows = summary.rowsRead + summary.rowsBlank > 0;
    if (!toStdout && !summary.outputFailed &&
        (summary.exitStatus != kBatchUnreadable || wroteRows) && !output.Commit()) {
        summary.exitStatus = kBatchUnreadable;
        summary.error = output.Error();
        summary.outputFailed = true;
    }
    output.Abandon();

    if (summary.exitStatus == kBatchUnreadable)
        std::fprintf(stderr, "orbalis-cli: %s: %s\n",
                     (summary.outputFailed ? outName : inName).c_str(), summary.error.c_str());
    else if (summary.rowsRefused > 0)
        std::fprintf(stderr, "orbalis-cli: %ld of %ld rows refused; see their error column\n",
                     summary.rowsRefused, summary.rowsRead);
    if (summary.rowsBlank > 0)
        std::fprintf(stderr, "orbalis-cli: %ld blank %s skipped\n", summary.rowsBlank,
                     summary.rowsBlank == 1 ? "row" : "rows");
    return summary.exitStatus;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Kuja dosha readings without a window: one birth, a CSV file of births, or a "
        "match of two readings.",
        "orbalis-cli"};
    app.set_version_flag("-v,--version", orbalis::VersionText("orbalis-cli"),
                         "Print the version and exit");
    app.require_subcommand(1);

    // reading
    CLI::App* reading = app.add_subcommand("reading", "One reading, as text export or JSON");
    std::string readingFile;
    std::map<std::string, std::string> birth;
    std::map<std::string, CLI::Option*> birthOptions;
    bool daylightSaving = false;
    std::string format = "text";
    reading->add_option("FILE", readingFile, "A reading file (.orb) instead of the options below");
    const std::pair<const char*, const char*> fields[] = {
        {"--name", "Name (letters and blanks)"},
        {"--date", "Date of birth, YYYY-MM-DD (1901 to 2050)"},
        {"--time", "Time of birth, HH:MM (00:00 to 24:59)"},
        {"--zone", "Time zone row, 0 to 76 (see the zones command)"},
        {"--lat", "Latitude, degrees N or S minutes: 28N39"},
        {"--lon", "Longitude, degrees E or W minutes: 77E13"},
        {"--city", "City"},
        {"--state", "State"},
        {"--country", "Country"},
    };
    for (const auto& [flag, help] : fields) {
        birthOptions[flag] = reading->add_option(flag, birth[flag], help);
    }
    CLI::Option* dst = reading->add_flag("--dst", daylightSaving, "Daylight saving time in force");
    bool noDaylightSaving = false;
    CLI::Option* noDst = reading->add_flag("--no-dst", noDaylightSaving,
                                           "Daylight saving time not in force (with --place)");
    dst->excludes(noDst);
    std::string place;
    CLI::Option* placeOption = reading->add_option(
        "--place", place,
        "A town: \"Jalandhar, Punjab, India\" or the beginning of one town's name. It fills "
        "city, state, country, --lat, --lon, and --zone and --dst from its clock on that date; "
        "options given beside it win");
    reading->add_option("--format", format, "text (the text export) or json")
        ->check(CLI::IsMember({"text", "json"}));
    std::string positions = "classic";
    const char* positionsHelp =
        "classic (the program's own engines) or precise (the Swiss Ephemeris)";
    reading->add_option("--positions", positions, positionsHelp)
        ->check(CLI::IsMember({"classic", "precise"}));
    std::string encoding;
    reading->add_option("--encoding", encoding,
                        "windows-1252 (the export's own bytes) or utf-8, for the text; utf-8 "
                        "when standard output is a terminal, else windows-1252")
        ->check(CLI::IsMember({"windows-1252", "utf-8"}));

    // batch
    CLI::App* batch = app.add_subcommand("batch", "Readings for a CSV file of births");
    std::string batchIn;
    std::string batchOut;
    batch->add_option("IN", batchIn, "CSV file of births; standard input when absent or -");
    batch->add_option("-o,--output", batchOut, "CSV file to write; standard output when absent");
    batch->add_option("--positions", positions, positionsHelp)
        ->check(CLI::IsMember({"classic", "precise"}));
    unsigned jobs = std::max(std::thread::hardware_concurrency(), 1u);
    batch->add_option("-j,--jobs", jobs, "Threads that compute rows; the number of cores when absent")
        ->check(CLI::Range(1u, 1024u));
    std::string batchDelimiter;
    batch->add_option("--delimiter", batchDelimiter,
                      "What separates the input's fields: , ; or tab (found from the header "
                      "when absent)")
        ->check(CLI::IsMember({",", ";", "tab", "\t"}));

    // places
    CLI::App* places = app.add_subcommand("places", "Towns whose name begins with a text");
    std::string placeQuery;
    std::size_t placeLimit = 10;
    std::string placeFormat = "text";
    places->footer(std::string(orbalis::kPlaceDataCredit));
    places->add_option("QUERY", placeQuery,
                       "Beginning of a town's name; state and country after commas: "
                       "\"Springfield, Illinois\"")
        ->required();
    places->add_option("--limit", placeLimit, "At most this many places (10)")
        ->check(CLI::Range(1, 100000));
    places->add_option("--format", placeFormat, "text or json")
        ->check(CLI::IsMember({"text", "json"}));

    // match
    CLI::App* match =
        app.add_subcommand("match", "Manglik match of two reading files by the classical rule");
    std::string matchFirst;
    std::string matchSecond;
    std::string matchFormat = "text";
    match->add_option("A", matchFirst, "The first reading file (.orb)")->required();
    match->add_option("B", matchSecond, "The second reading file (.orb)")->required();
    match->add_option("--format", matchFormat, "text or json")
        ->check(CLI::IsMember({"text", "json"}));

    // zones
    CLI::App* zones = app.add_subcommand("zones", "The 77 time zone rows with their numbers");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kUsageError;
    }

    if (zones->parsed()) {
        std::fputs(ZoneListing().c_str(), stdout);
        if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
        std::fprintf(stderr, "orbalis-cli: standard output: the list cannot be written: %s\n",
                     std::strerror(errno));
        return kUsageError;
    }
    if (batch->parsed()) {
        BatchOptions options;
        options.delimiter = batchDelimiter.empty()      ? '\0'
                            : batchDelimiter == "tab" ? '\t'
                                                      : batchDelimiter.front();
        options.positions =
            orbalis::PositionsModeNamed(positions).value_or(orbalis::PositionsMode::Classic);
        options.jobs = jobs;
        return RunBatchCommand(batchIn, batchOut, options);
    }
    if (places->parsed()) {
        const PlacesOutcome outcome = PlacesListing(placeQuery, placeLimit, placeFormat == "json");
        std::fputs(outcome.output.c_str(), stdout);
        std::fputs(outcome.error.c_str(), stderr);
        if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return outcome.exitStatus;
        std::fprintf(stderr, "orbalis-cli: standard output: the list cannot be written: %s\n",
                     std::strerror(errno));
        return kUsageError;
    }

    if (match->parsed()) {
        // Names are letters and blanks, so the match is the same text in any encoding.
        return PrintOutcome(
            MatchFromFiles(matchFirst, matchSecond,
                           matchFormat == "json" ? ReadingFormat::Json : ReadingFormat::Text),
            false);
    }

    const ReadingFormat readingFormat =
        format == "json" ? ReadingFormat::Json : ReadingFormat::Text;
    const orbalis::PositionsMode mode =
        orbalis::PositionsModeNamed(positions).value_or(orbalis::PositionsMode::Classic);
    const bool textToUtf8 = readingFormat == ReadingFormat::Text &&
                            (encoding.empty() ? isatty(fileno(stdout)) : encoding == "utf-8");
    if (!readingFile.empty()) {
        bool anyBirthOption = dst->count() > 0 || noDst->count() > 0 || placeOption->count() > 0;
        for (const auto& [flag, option] : birthOptions) anyBirthOption |= option->count() > 0;
        if (anyBirthOption) {
            std::fprintf(stderr, "Give either a reading file or the birth options, not both\n");
            return kUsageError;
        }
        return PrintOutcome(ReadingFromFile(readingFile, readingFormat, mode), textToUtf8);
    }
    const BirthTexts texts{birth["--name"],
                           birth["--date"],
                           birth["--time"],
                           birth["--zone"],
                           birth["--lat"],
                           birth["--lon"],
                           daylightSaving     ? "1"
                           : noDaylightSaving ? "0"
                           : placeOption->count() > 0 ? ""
                                                     : "0",
                           birth["--city"],
                           birth["--state"],
                           birth["--country"]};
    if (placeOption->count() > 0)
        return PrintOutcome(ReadingAtPlace(place, texts, readingFormat, mode), textToUtf8);
    return PrintOutcome(ReadingFromTexts(texts, readingFormat, mode), textToUtf8);
}
