// `orbalis-cli batch`: readings for a CSV file of births, into a file that is
// replaced whole or not at all, or onto the output.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "cli/batch.h"
#include "cli/dasha_output.h"
#include "cli/positions_option.h"
#include "cli/subcommand.h"
#include "files/replacing_file.h"

namespace orbalis::cli {

namespace {

// More threads than this for each core only add memory (each loads the
// ephemeris files for precise positions) and switching, never speed.
constexpr unsigned kJobsPerCore = 4;

unsigned Cores() {
    return std::max(std::thread::hardware_concurrency(), 1u);
}

struct BatchArguments {
    std::string in;
    std::string out;
    std::string positions = "classic";
    unsigned jobs = Cores();
    std::string delimiter;
    bool firmness = false;
    std::string at;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

int RunBatchFiles(const BatchFiles& a, BatchOptions options, BatchRun run,
                  const CliStreams& streams) {
    if (const unsigned most = kJobsPerCore * Cores(); options.jobs > most) {
        std::fprintf(streams.errors,
                     "orbalis-cli: --jobs %u is more than this machine can use; %u threads (%u "
                     "for each of its %u cores) compute the rows\n",
                     options.jobs, most, kJobsPerCore, Cores());
        options.jobs = most;
    }
    const bool fromInput = a.in.empty() || a.in == "-";
    const bool toOutput = a.out.empty() || a.out == "-";
    const std::string inName = fromInput ? "standard input" : a.in;
    const std::string outName = toOutput ? "standard output" : a.out;

    std::unique_ptr<std::FILE, FileCloser> opened(fromInput ? nullptr
                                                            : std::fopen(a.in.c_str(), "rb"));
    std::FILE* in = fromInput ? streams.input : opened.get();
    if (!in) {
        std::fprintf(streams.errors, "orbalis-cli: %s: %s\n", inName.c_str(), std::strerror(errno));
        return kBatchUnreadable;
    }
    if (!toOutput && IsSameFile(in, a.out.c_str())) {
        std::fprintf(streams.errors, "orbalis-cli: %s: the output would overwrite the input\n",
                     a.out.c_str());
        return kBatchUnreadable;
    }
    orbalis::ReplacingFile output;
    if (!toOutput && !output.Open(a.out)) {
        std::fprintf(streams.errors, "orbalis-cli: %s: %s\n", a.out.c_str(),
                     output.Error().c_str());
        return kBatchUnreadable;
    }

    if (streams.errorsIsTerminal) options.progress = streams.errors;
    BatchSummary summary = run(in, toOutput ? streams.output : output.Stream(), options);
    opened.reset();

    // The previous output stays when the run wrote nothing of its own.
    const bool wroteRows = summary.rowsRead + summary.rowsBlank > 0;
    if (!toOutput && !summary.outputFailed &&
        (summary.exitStatus != kBatchUnreadable || wroteRows) && !output.Commit()) {
        summary.exitStatus = kBatchUnreadable;
        summary.error = output.Error();
        summary.outputFailed = true;
    }
    output.Abandon();

    if (summary.exitStatus == kBatchUnreadable)
        std::fprintf(streams.errors, "orbalis-cli: %s: %s\n",
                     (summary.outputFailed ? outName : inName).c_str(), summary.error.c_str());
    else if (summary.rowsRefused > 0)
        std::fprintf(streams.errors,
                     "orbalis-cli: %ld of %ld rows refused; see their error column\n",
                     summary.rowsRefused, summary.rowsRead);
    if (summary.rowsBlank > 0)
        std::fprintf(streams.errors, "orbalis-cli: %ld blank %s skipped\n", summary.rowsBlank,
                     summary.rowsBlank == 1 ? "row" : "rows");
    return summary.exitStatus;
}

namespace {

int RunBatchSubcommand(const BatchArguments& a, const CliStreams& streams) {
    BatchOptions options;
    options.delimiter = a.delimiter.empty()    ? '\0'
                        : a.delimiter == "tab" ? '\t'
                                               : a.delimiter.front();
    options.positions = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    options.jobs = a.jobs;
    options.firmness = a.firmness;
    if (!a.at.empty()) options.dashaAt = ParseDashaDate(a.at);
    return RunBatchFiles({a.in, a.out}, options, RunBatch, streams);
}

}  // namespace

Subcommand AddBatchSubcommand(CLI::App& app) {
    auto a = std::make_shared<BatchArguments>();
    CLI::App* batch = app.add_subcommand("batch", "Readings for a CSV file of births");
    batch->add_option("IN", a->in, "CSV file of births; standard input when absent or -");
    batch->add_option("-o,--output", a->out, "CSV file to write; standard output when absent");
    AddPositionsOption(*batch, a->positions);
    batch
        ->add_option("-j,--jobs", a->jobs,
                     "Threads that compute rows; the number of cores when absent")
        ->check(CLI::Range(1u, 1024u));
    batch
        ->add_option("--delimiter", a->delimiter,
                     "What separates the input's fields: , ; or tab (found from the header "
                     "when absent)")
        ->check(CLI::IsMember({",", ";", "tab", "\t"}));
    batch->add_flag("--firmness", a->firmness,
                    "Add lagna_holds_from, lagna_holds_to and verdict_changes_within_15_min: "
                    "how firm each answer is for a birth time a little earlier or later");
    AddDashaDateOption(*batch, a->at,
                       "Add dasha_at: the lords of the mahadasha and antardasha running on that "
                       "date, YYYY-MM-DD on each birth's clock");
    return {batch, [a](const CliStreams& streams) { return RunBatchSubcommand(*a, streams); }};
}

}  // namespace orbalis::cli
