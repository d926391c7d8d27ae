// `orbalis-cli match`: the marriage match of two reading files.

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/match_command.h"
#include "cli/positions_option.h"
#include "cli/subcommand.h"

namespace orbalis::cli {

namespace {

struct MatchArguments {
    std::string groom;
    std::string bride;
    std::string format = "text";
    std::string positions = "classic";
    std::string vashya = "symmetric";
    std::string lang;
};

int RunMatch(const MatchArguments& a, const CliStreams& streams) {
    // The match is written in UTF-8, whatever its language.
    return PrintOutcome(
        MatchFromFiles(a.groom, a.bride,
                       a.format == "json" ? ReadingFormat::Json : ReadingFormat::Text,
                       PositionsModeNamed(a.positions).value_or(PositionsMode::Classic),
                       VashyaOption(a.vashya), LanguageOption(a.lang)),
        false, streams);
}

}  // namespace

void AddVashyaOption(CLI::App& subcommand, std::string& vashya) {
    subcommand
        .add_option("--vashya", vashya,
                    "The vashya points: symmetric (the default) or asymmetric (bride's group "
                    "as the row)")
        ->check(CLI::IsMember({"symmetric", "asymmetric"}));
}

matching::VashyaPoints VashyaOption(const std::string& vashya) {
    return matching::VashyaPointsNamed(vashya).value_or(matching::VashyaPoints::Symmetric);
}

Subcommand AddMatchSubcommand(CLI::App& app) {
    auto a = std::make_shared<MatchArguments>();
    CLI::App* match = app.add_subcommand(
        "match", "Marriage match of two reading files: gunas, poruthams and the Manglik balance");
    match->add_option("GROOM", a->groom, "The groom's reading file (.orb)")->required();
    match->add_option("BRIDE", a->bride, "The bride's reading file (.orb)")->required();
    match->add_option("--format", a->format, "text or json")
        ->check(CLI::IsMember({"text", "json"}));
    AddPositionsOption(*match, a->positions);
    AddVashyaOption(*match, a->vashya);
    AddLanguageOption(*match, a->lang);
    return {match, [a](const CliStreams& streams) { return RunMatch(*a, streams); }};
}

}  // namespace orbalis::cli
