#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orbalis {

// What the window program is asked to do by its command line.
struct WindowCommandLine {
    enum class Action { Start, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Start;
    // The reading file to start on; empty: the birth-details form alone.
    std::string readingFile;
    // Why the command line is refused (Refuse only).
    std::string problem;
};

// The arguments after the program's name. Help and version win over anything
// else, so that they answer even beside the options only the window toolkit
// knows; after "--" every argument is a file name.
WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments);

// What `orbalis --help` prints.
std::string WindowHelpText();
// What `--version` prints, for either program: its name and version, then
// the licence; no line end after the last line.
std::string VersionText(std::string_view programName);

}  // namespace orbalis
