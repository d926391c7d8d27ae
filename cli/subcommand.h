#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "cli/batch.h"
#include "cli/reading_command.h"
#include "model/catalogue.h"

namespace CLI {
class App;
}

namespace orbalis::cli {

// Where one run of the companion reads and writes.
struct CliStreams {
    std::FILE* input;
    std::FILE* output;
    std::FILE* errors;
    // Whether the output and the errors go to a terminal (the streams above
    // may stand between them and it).
    bool outputIsTerminal = false;
    bool errorsIsTerminal = false;
};

// One subcommand on the command line: its parser, holding its options, and
// what runs it once the line is parsed, returning the exit status.
struct Subcommand {
    CLI::App* parser = nullptr;
    std::function<int(const CliStreams&)> run;
};

// Exit status of a line the parser or the entries refuse, and of output that
// cannot be written.
inline constexpr int kUsageError = 2;

// Each adds its subcommand with its options to `app`, in the file named after
// it (cli/<name>_subcommand.cpp). RunCli lists them in the order the help
// shows them; a new subcommand is one more function here and one more line
// in that list.
Subcommand AddReadingSubcommand(CLI::App& app);
Subcommand AddBatchSubcommand(CLI::App& app);
Subcommand AddPlacesSubcommand(CLI::App& app);
Subcommand AddMatchSubcommand(CLI::App& app);
Subcommand AddMatchBatchSubcommand(CLI::App& app);
Subcommand AddGunaTableSubcommand(CLI::App& app);
Subcommand AddZonesSubcommand(CLI::App& app);
Subcommand AddDashaSubcommand(CLI::App& app);

// Writes an outcome's output and message; the text export is Windows-1252
// as the window saves it, turned into UTF-8 when `toUtf8`. The outcome's
// exit status, or kUsageError when the output cannot be written.
int PrintOutcome(const ReadingOutcome& outcome, bool toUtf8, const CliStreams& streams);

// A batch's input and output files; standard input or output when empty or "-".
struct BatchFiles {
    std::string in;
    std::string out;
};
using BatchRun = BatchSummary (*)(std::FILE* in, std::FILE* out, const BatchOptions& options);

// Runs a batch between files: the output replaced whole or not at all, never
// over the input; says on the errors stream what went wrong or how many rows
// were refused. More jobs than four for each core are lowered to that, with a
// message. The batch's exit status.
int RunBatchFiles(const BatchFiles& files, BatchOptions options, BatchRun run,
                  const CliStreams& streams);

// Adds --vashya (symmetric or asymmetric) to a matching subcommand, kept in
// `vashya`, and reads its value.
void AddVashyaOption(CLI::App& subcommand, std::string& vashya);
matching::VashyaPoints VashyaOption(const std::string& vashya);

// Adds --lang, a language code with an available catalogue, kept in `lang`
// (an unknown one is refused with the codes there are), and gives the
// catalogue it names, or the locale's when it is empty.
void AddLanguageOption(CLI::App& subcommand, std::string& lang);
Catalogue LanguageOption(const std::string& lang);

// Adds --at, a date YYYY-MM-DD the calendar has, kept in `at`.
void AddDashaDateOption(CLI::App& subcommand, std::string& at, const std::string& help);

// Writes a listing to the output; 0, or kUsageError with a message when it
// cannot be written.
int PrintListing(const std::string& listing, const CliStreams& streams);

}  // namespace orbalis::cli
