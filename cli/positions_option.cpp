#include "cli/positions_option.h"

#include <CLI/CLI.hpp>

namespace orbalis::cli {

void AddPositionsOption(CLI::App& subcommand, std::string& positions) {
    subcommand
        .add_option("--positions", positions,
                    "classic (the program's own engines) or precise (the Swiss Ephemeris)")
        ->check(CLI::IsMember({"classic", "precise"}));
}

}  // namespace orbalis::cli
