#include "reading/command_line.h"

#include <utility>

#include "model/program_identity.h"

namespace orbalis {
namespace {

bool IsHelp(std::string_view argument) {
    return argument == "-h" || argument == "--help";
}
bool IsVersion(std::string_view argument) {
    return argument == "-v" || argument == "--version";
}
// A lone "-" is a name, as it is to most programs.
bool IsOption(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-';
}

}  // namespace

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments) {
    WindowCommandLine result;
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        if (IsHelp(argument)) return {WindowCommandLine::Action::ShowHelp, {}, {}};
        if (IsVersion(argument)) return {WindowCommandLine::Action::ShowVersion, {}, {}};
    }

    const auto refuse = [](std::string problem) {
        return WindowCommandLine{WindowCommandLine::Action::Refuse, {}, std::move(problem)};
    };
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && IsOption(argument)) {
            return refuse("unknown option " + argument);
        } else if (!result.readingFile.empty()) {
            return refuse("one reading file at a time");
        } else {
            result.readingFile = argument;
        }
    }
    return result;
}

std::string WindowHelpText() {
    return "Usage: orbalis [FILE.orb]\n"
           "Kuja dosha (Manglik) readings in a window.\n"
           "\n"
           "With FILE.orb the program starts on that saved reading, as\n"
           "\"Open Previously Saved Reading\" would; otherwise on the birth-details form.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "  -v, --version  print the version and exit\n"
           "\n"
           "The window toolkit's own options (-platform, -style, ...) are taken too.\n"
           "The same readings without a window: orbalis-cli --help\n";
}

std::string VersionText(std::string_view programName) {
    return std::string(programName) + " " + std::string(kVersionText) +
           "\nLicence: AGPL-3.0-or-later (GNU Affero General Public License, version 3 or later)";
}

}  // namespace orbalis
