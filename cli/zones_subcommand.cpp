// `orbalis-cli zones`: the time zone rows with the numbers --zone takes.

#include <CLI/CLI.hpp>

#include "cli/subcommand.h"
#include "cli/zones.h"

namespace orbalis::cli {

Subcommand AddZonesSubcommand(CLI::App& app) {
    CLI::App* zones = app.add_subcommand("zones", "The 77 time zone rows with their numbers");
    return {zones, [](const CliStreams& streams) { return PrintListing(ZoneListing(), streams); }};
}

}  // namespace orbalis::cli
