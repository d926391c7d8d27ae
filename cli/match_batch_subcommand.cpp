// `orbalis-cli match-batch`: marriage matches for a CSV file of couples.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <string>
#include <thread>

#include "cli/match_batch.h"
#include "cli/positions_option.h"
#include "cli/subcommand.h"

namespace orbalis::cli {

namespace {

struct MatchBatchArguments {
    BatchFiles files;
    std::string positions = "classic";
    std::string vashya = "symmetric";
    unsigned jobs = std::max(std::thread::hardware_concurrency(), 1u);
};

int RunMatchBatchSubcommand(const MatchBatchArguments& a, const CliStreams& streams) {
    BatchOptions options;
    options.positions = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    options.vashya = VashyaOption(a.vashya);
    options.jobs = a.jobs;
    return RunBatchFiles(a.files, options, RunMatchBatch, streams);
}

}  // namespace

Subcommand AddMatchBatchSubcommand(CLI::App& app) {
    auto a = std::make_shared<MatchBatchArguments>();
    CLI::App* batch = app.add_subcommand(
        "match-batch",
        "Marriage matches for a CSV file of couples: the batch's columns with groom_ and "
        "bride_ before them");
    batch->add_option("COUPLES", a->files.in,
                      "CSV file of couples; standard input when absent or -");
    batch->add_option("-o,--output", a->files.out,
                      "CSV file to write; standard output when absent");
    AddPositionsOption(*batch, a->positions);
    AddVashyaOption(*batch, a->vashya);
    batch
        ->add_option("-j,--jobs", a->jobs,
                     "Threads that compute rows; the number of cores when absent")
        ->check(CLI::Range(1u, 1024u));
    return {batch, [a](const CliStreams& streams) { return RunMatchBatchSubcommand(*a, streams); }};
}

}  // namespace orbalis::cli
