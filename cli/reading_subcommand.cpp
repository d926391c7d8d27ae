// `orbalis-cli reading`: one reading, of a birth given by its options, of a
// typed place, or of a reading file.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/birth_options.h"
#include "cli/positions_option.h"
#include "cli/reading_command.h"
#include "cli/subcommand.h"

namespace orbalis::cli {

namespace {

struct ReadingArguments {
    BirthOptions birth;
    std::string format;  // summary on a terminal, else text
    std::string positions = "classic";
    std::string encoding;
    std::string lang;
};

int RunReading(const ReadingArguments& a, const CliStreams& streams) {
    const std::string named = !a.format.empty()          ? a.format
                              : streams.outputIsTerminal ? "summary"
                                                         : "text";
    const ReadingFormat format = named == "json"      ? ReadingFormat::Json
                                 : named == "summary" ? ReadingFormat::Summary
                                                      : ReadingFormat::Text;
    const PositionsMode mode = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    const Catalogue words = LanguageOption(a.lang);
    // The code page holds no Devanagari or Tamil letters: a translated text
    // is written in UTF-8, and asking for the code page is refused.
    if (format == ReadingFormat::Text && !words.isEnglish() && a.encoding == "windows-1252") {
        std::fprintf(streams.errors,
                     "orbalis-cli: reading: --encoding windows-1252 cannot hold the letters of "
                     "--lang %s; use --encoding utf-8 or --lang en\n",
                     words.code().c_str());
        return kUsageError;
    }
    const bool textToUtf8 = format == ReadingFormat::Text && words.isEnglish() &&
                            (a.encoding.empty() ? streams.outputIsTerminal : a.encoding == "utf-8");
    return PrintOutcome(ReadingOfOptions(a.birth, mode, ReadingWriterOf(format, words)), textToUtf8,
                        streams);
}

}  // namespace

Subcommand AddReadingSubcommand(CLI::App& app) {
    auto a = std::make_shared<ReadingArguments>();
    CLI::App* reading = app.add_subcommand("reading", "One reading, as text export or JSON");
    AddBirthOptions(*reading, a->birth);
    reading
        ->add_option("--format", a->format,
                     "text (the text export), json or summary (a few lines to read); summary "
                     "when standard output is a terminal, else text")
        ->check(CLI::IsMember({"text", "json", "summary"}));
    AddPositionsOption(*reading, a->positions);
    reading
        ->add_option("--encoding", a->encoding,
                     "windows-1252 (the export's own bytes) or utf-8, for the text; utf-8 "
                     "when standard output is a terminal, else windows-1252. A text in "
                     "another language than English is always utf-8")
        ->check(CLI::IsMember({"windows-1252", "utf-8"}));
    AddLanguageOption(*reading, a->lang);
    return {reading, [a](const CliStreams& streams) { return RunReading(*a, streams); }};
}

}  // namespace orbalis::cli
