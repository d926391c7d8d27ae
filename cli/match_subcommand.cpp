// `orbalis-cli match`: the Manglik match of two reading files.

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/match_command.h"
#include "cli/subcommand.h"

namespace orbalis::cli {

namespace {

struct MatchArguments {
    std::string first;
    std::string second;
    std::string format = "text";
};

int RunMatch(const MatchArguments& a, const CliStreams& streams) {
    // Names are letters and blanks, so the match is the same text in any encoding.
    return PrintOutcome(
        MatchFromFiles(a.first, a.second,
                       a.format == "json" ? ReadingFormat::Json : ReadingFormat::Text),
        false, streams);
}

}  // namespace

Subcommand AddMatchSubcommand(CLI::App& app) {
    auto a = std::make_shared<MatchArguments>();
    CLI::App* match =
        app.add_subcommand("match", "Manglik match of two reading files by the classical rule");
    match->add_option("A", a->first, "The first reading file (.orb)")->required();
    match->add_option("B", a->second, "The second reading file (.orb)")->required();
    match->add_option("--format", a->format, "text or json")
        ->check(CLI::IsMember({"text", "json"}));
    return {match, [a](const CliStreams& streams) { return RunMatch(*a, streams); }};
}

}  // namespace orbalis::cli
