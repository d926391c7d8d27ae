// `orbalis-cli dasha`: the Vimshottari dasha of one birth, given by its
// options, a typed place or a reading file.

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/birth_options.h"
#include "cli/dasha_output.h"
#include "cli/positions_option.h"
#include "cli/subcommand.h"
#include "dasha/dasha_birth.h"

namespace orbalis::cli {

namespace {

struct DashaArguments {
    BirthOptions birth;
    int levels = 2;
    std::string at;
    std::string format = "text";
    std::string positions = "classic";
    std::string lang;
};

int RunDasha(const DashaArguments& a, const CliStreams& streams) {
    const PositionsMode mode = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    DashaListing listing;
    listing.levels = a.levels;
    if (!a.at.empty()) listing.at = ParseDashaDate(a.at);
    const std::string format = a.format;
    const Catalogue words = LanguageOption(a.lang);
    const ReadingWriter writer = [&listing, &format, &words](const FullReading& reading,
                                                             const PlaceFill*) {
        auto vimshottari = std::make_unique<dasha::Vimshottari>();
        dasha::ComputeVimshottari(dasha::DashaBirthOf(reading.birth, reading.chart), *vimshottari);
        if (format == "json") return DashaJsonText(reading, *vimshottari, listing);
        if (format == "csv") return DashaCsv(*vimshottari, listing);
        return DashaText(reading, *vimshottari, listing, words);
    };
    return PrintOutcome(ReadingOfOptions(a.birth, mode, writer), false, streams);
}

}  // namespace

void AddDashaDateOption(CLI::App& subcommand, std::string& at, const std::string& help) {
    subcommand.add_option("--at", at, help)
        ->check(CLI::Validator(
            [](const std::string& text) {
                return ParseDashaDate(text) ? std::string()
                                            : "the date must read YYYY-MM-DD, for example "
                                              "2025-01-31";
            },
            "YYYY-MM-DD"));
}

Subcommand AddDashaSubcommand(CLI::App& app) {
    auto a = std::make_shared<DashaArguments>();
    CLI::App* command =
        app.add_subcommand("dasha", "The Vimshottari dasha of one birth, Mars's periods marked");
    AddBirthOptions(*command, a->birth);
    command
        ->add_option("--levels", a->levels,
                     "1: mahadashas; 2: with their antardashas (the default); 3: and the "
                     "pratyantardashas of those")
        ->check(CLI::Range(1, 3));
    AddDashaDateOption(*command, a->at,
                       "Only the periods running on that date, YYYY-MM-DD on the birth's clock");
    command->add_option("--format", a->format, "text (the default), json or csv")
        ->check(CLI::IsMember({"text", "json", "csv"}));
    AddPositionsOption(*command, a->positions);
    AddLanguageOption(*command, a->lang);
    return {command, [a](const CliStreams& streams) { return RunDasha(*a, streams); }};
}

}  // namespace orbalis::cli
