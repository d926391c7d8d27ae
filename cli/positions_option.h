#pragma once

#include <string>

namespace CLI {
class App;
}

namespace orbalis::cli {

// Adds --positions (classic or precise) to a subcommand, kept in `positions`.
void AddPositionsOption(CLI::App& subcommand, std::string& positions);

}  // namespace orbalis::cli
