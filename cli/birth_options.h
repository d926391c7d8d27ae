#pragma once

#include <map>
#include <string>

#include "cli/reading_command.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace orbalis::cli {

// The options that name one birth, shared by the subcommands that read one:
// a reading file, or the birth's fields, or a town that fills them.
struct BirthOptions {
    std::string file;
    std::map<std::string, std::string> birth;  // by flag: "--name" ...
    std::map<std::string, CLI::Option*> birthOptions;
    bool daylightSaving = false;
    bool noDaylightSaving = false;
    CLI::Option* dst = nullptr;
    CLI::Option* noDst = nullptr;
    std::string place;
    CLI::Option* placeOption = nullptr;
};

// Adds FILE, the birth's fields, --dst, --no-dst and --place to `subcommand`.
void AddBirthOptions(CLI::App& subcommand, BirthOptions& options);

// The reading of the birth the options name, written by `writer`. A reading
// file beside birth options is refused.
ReadingOutcome ReadingOfOptions(const BirthOptions& options, PositionsMode mode,
                                const ReadingWriter& writer);

}  // namespace orbalis::cli
