#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace orbalis::cli {

struct Subcommand;
// Adds one subcommand to the parser (see cli/subcommand.h).
using SubcommandMaker = Subcommand (*)(CLI::App&);

// `report`, the PDF report of a reading file: in cli/report/, a library of
// its own that only the program links, being the one subcommand with Qt.
Subcommand AddReportSubcommand(CLI::App& app);

// Exit status of a run stopped by a failure of the program itself (memory
// exhausted, a thread that could not start), on any thread of the run.
inline constexpr int kRunFailed = 3;

// The whole companion: `arguments` are what follows the program's name;
// readings and listings go to `output`, messages to `errors`, and a batch
// without a file reads `input`. Returns the exit status. Nothing thrown
// leaves it: any failure is one message on `errors` and kRunFailed.
// `more` are subcommands the library does not hold itself, listed after its
// own: the program adds `report`, which alone needs Qt.
int RunCli(const std::vector<std::string>& arguments, std::FILE* output, std::FILE* errors,
           std::FILE* input = stdin, std::span<const SubcommandMaker> more = {});

}  // namespace orbalis::cli
