#include "reading/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbalis {
namespace {

using Action = WindowCommandLine::Action;

TEST(WindowCommandLine, ArgumentsGiveTheActionAndTheReadingFile) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        Action action;
        std::string readingFile;
        std::string problem;
    };
    const Case cases[] = {
        {"nothing: the form", {}, Action::Start, "", ""},
        {"a reading file", {"Asha.orb"}, Action::Start, "Asha.orb", ""},
        {"any name: the file check refuses it later",
         {"notes.txt"},
         Action::Start,
         "notes.txt",
         ""},
        {"help", {"--help"}, Action::ShowHelp, "", ""},
        {"short version", {"-v"}, Action::ShowVersion, "", ""},
        {"help beside a toolkit option",
         {"-platform", "offscreen", "-h"},
         Action::ShowHelp,
         "",
         ""},
        {"the first of help and version", {"--version", "--help"}, Action::ShowVersion, "", ""},
        {"unknown option", {"--open", "a.orb"}, Action::Refuse, "", "unknown option --open"},
        {"two files", {"a.orb", "b.orb"}, Action::Refuse, "", "one reading file at a time"},
        {"after --, names only", {"--", "--help"}, Action::Start, "--help", ""},
        {"a lone dash is a name", {"-"}, Action::Start, "-", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowCommandLine parsed = ParseWindowCommandLine(c.arguments);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_EQ(parsed.readingFile, c.readingFile);
        EXPECT_EQ(parsed.problem, c.problem);
    }
}

}  // namespace
}  // namespace orbalis
