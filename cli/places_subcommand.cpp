// `orbalis-cli places`: the towns whose name begins with a text.

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/places_command.h"
#include "cli/subcommand.h"
#include "places/place_data_credit.h"

namespace orbalis::cli {

namespace {

struct PlacesArguments {
    std::string query;
    std::size_t limit = 10;
    std::string format = "text";
};

int RunPlaces(const PlacesArguments& a, const CliStreams& streams) {
    const PlacesOutcome outcome = PlacesListing(a.query, a.limit, a.format == "json");
    std::fputs(outcome.error.c_str(), streams.errors);
    const int written = PrintListing(outcome.output, streams);
    return written != 0 ? written : outcome.exitStatus;
}

}  // namespace

Subcommand AddPlacesSubcommand(CLI::App& app) {
    auto a = std::make_shared<PlacesArguments>();
    CLI::App* places = app.add_subcommand("places", "Towns whose name begins with a text");
    places->footer(std::string(kPlaceDataCredit));
    places
        ->add_option("QUERY", a->query,
                     "Beginning of a town's name; state and country after commas: "
                     "\"Springfield, Illinois\"")
        ->required();
    places->add_option("--limit", a->limit, "At most this many places (10)")
        ->check(CLI::Range(1, 100000));
    places->add_option("--format", a->format, "text or json")
        ->check(CLI::IsMember({"text", "json"}));
    return {places, [a](const CliStreams& streams) { return RunPlaces(*a, streams); }};
}

}  // namespace orbalis::cli
