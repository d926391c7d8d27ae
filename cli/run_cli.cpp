#include "cli/run_cli.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <exception>
#include <sstream>

#include "cli/escaping_stream.h"
#include "cli/subcommand.h"
#include "model/text_utils.h"
#include "reading/command_line.h"

namespace orbalis::cli {

namespace {

// The subcommands, in the order the help lists them.
constexpr SubcommandMaker kSubcommands[] = {
    AddReadingSubcommand,    AddBatchSubcommand,     AddPlacesSubcommand, AddMatchSubcommand,
    AddMatchBatchSubcommand, AddGunaTableSubcommand, AddZonesSubcommand,  AddDashaSubcommand,
};

void Write(const std::string& text, std::FILE* stream) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int ParseAndRun(const std::vector<std::string>& arguments, const CliStreams& streams,
                std::span<const SubcommandMaker> more) {
    CLI::App app{
        "Kuja dosha readings without a window: one birth, a CSV file of births, or a "
        "match of two readings.",
        "orbalis-cli"};
    app.set_version_flag("-v,--version", VersionText("orbalis-cli"), "Print the version and exit");
    app.require_subcommand(1);
    std::vector<Subcommand> subcommands;
    for (const auto add : kSubcommands) subcommands.push_back(add(app));
    for (const auto add : more) subcommands.push_back(add(app));

    try {
        // The parser takes the arguments last first.
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = app.exit(e, out, err);
        Write(out.str(), streams.output);
        Write(err.str(), streams.errors);
        std::fflush(streams.output);
        return status == 0 ? 0 : kUsageError;
    }
    for (const Subcommand& subcommand : subcommands)
        if (subcommand.parser->parsed()) return subcommand.run(streams);
    return kUsageError;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::FILE* output, std::FILE* errors,
           std::FILE* input, std::span<const SubcommandMaker> more) {
    try {
        // Every message, and what goes to a terminal, with its control
        // characters escaped: names, places and files' lines are the user's.
        const bool outputIsTerminal = isatty(fileno(output)) != 0;
        const EscapingStream escapedErrors(errors);
        const EscapingStream escapedOutput(output);
        return ParseAndRun(arguments,
                           {input, outputIsTerminal ? escapedOutput.Get() : output,
                            escapedErrors.Get(), outputIsTerminal, isatty(fileno(errors)) != 0},
                           more);
    } catch (const std::exception& e) {
        std::fprintf(errors, "orbalis-cli: the run stopped: %s\n",
                     EscapedControls(e.what()).c_str());
    } catch (...) {
        std::fprintf(errors, "orbalis-cli: the run stopped on an unknown failure\n");
    }
    return kRunFailed;
}

}  // namespace orbalis::cli
