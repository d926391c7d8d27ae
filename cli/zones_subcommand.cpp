// `orbalis-cli zones`: the time zone rows with the numbers --zone takes.

#include <CLI/CLI.hpp>

#include "cli/subcommand.h"
#include "cli/zones.h"
#include "model/reference_tables.h"

namespace orbalis::cli {

Subcommand AddZonesSubcommand(CLI::App& app) {
    CLI::App* zones = app.add_subcommand(
        "zones", "The " + std::to_string(kTimeZoneCount) + " time zone rows with their numbers");
    return {zones, [](const CliStreams& streams) { return PrintListing(ZoneListing(), streams); }};
}

}  // namespace orbalis::cli
