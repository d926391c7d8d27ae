// The orbalis-cli program as a user runs it: exit statuses and where the
// messages go.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the program with `arguments` (already quoted for the shell) and
// `input` on standard input.
ProgramRun RunProgram(const TempFolder& folder, const std::string& arguments,
                      std::string_view input = "") {
    const std::string in = folder.Write("stdin", input);
    const std::string command = std::string("'") + ORBALIS_CLI_BINARY + "' " + arguments + " <'" +
                                in + "' >'" + folder.File("stdout") + "' 2>'" +
                                folder.File("stderr") + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(folder.File("stdout")),
            ReadBytes(folder.File("stderr"))};
}

constexpr const char* kDelhiArguments =
    "reading --name Sample --date 1985-08-15 --time 10:30 --zone 34 --lat 28N39 --lon 77E13 "
    "--city 'New Delhi' --state Delhi --country India";
constexpr const char* kHeader = "name,date,time,zone,lat,lon,dst,city,state,country\r\n";
constexpr const char* kDelhiRow =
    "Sample,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,India\r\n";

TEST(CommandLine, ExitStatusesAndMessages) {
    struct Case {
        const char* name;
        std::string arguments;
        std::string input;
        int status;
        std::string errStart;  // stderr begins with this
        std::string outStart;  // stdout begins with this
    };
    const Case cases[] = {
        {"text reading", kDelhiArguments, "", 0, "", "Name: Sample\r\n"},
        {"json reading", std::string(kDelhiArguments) + " --format json", "", 0, "", "{\n"},
        {"refused date",
         "reading --name Sample --date 1980-04-31 --time 10:30 --zone 34 --lat 28N39 --lon 77E13 "
         "--city Delhi --state Delhi --country India",
         "", 2, "Please Enter Correct Date Or Month !\n", ""},
        {"no name", "reading --date 1985-08-15 --time 10:30 --zone 34", "", 2,
         "Please Enter Your Name\n", ""},
        {"unknown format", std::string(kDelhiArguments) + " --format xml", "", 2, "--format", ""},
        {"unknown option", "reading --planet Mars", "", 2, "The following argument", ""},
        {"no command", "", "", 2, "A subcommand is required", ""},
        {"file and options together", "reading x.orb --name Sample", "", 2,
         "Give either a reading file or the birth options, not both", ""},
        {"zones", "zones", "", 0, "", " 0  Alaska/Hawaii Daylight Time,AHDT,-9.0\n"},
        {"batch from standard input", "batch", std::string(kHeader) + kDelhiRow, 0, "",
         "name,date,time,zone,lat,lon,dst,city,state,country,ascendant,"},
        {"batch with a refused row", "batch",
         std::string(kHeader) + kDelhiRow + "Sample,1901-02-29,10:30,34,28N39,77E13,0,A,B,C\r\n", 1,
         "orbalis-cli: 1 of 2 rows refused; see their error column\n", "name,"},
        {"batch of a binary file", "batch",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         2, "orbalis-cli: standard input: line 1: the file holds a NUL byte", ""},
        {"batch of a missing file", "batch /nonexistent/births.csv", "", 2,
         "orbalis-cli: /nonexistent/births.csv: No such file or directory", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const ProgramRun run = RunProgram(folder, c.arguments, c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.err.starts_with(c.errStart)) << run.err;
        EXPECT_TRUE(run.out.starts_with(c.outStart)) << run.out.substr(0, 200);
    }
}

TEST(CommandLine, ZonesListsAllRows) {
    TempFolder folder;
    const ProgramRun run = RunProgram(folder, "zones");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 71);
    EXPECT_NE(run.out.find("\n34  Indian Time, IST, +5.3\n"), std::string::npos);
}

TEST(CommandLine, BatchRefusesToOverwriteItsInput) {
    TempFolder folder;
    const std::string births = folder.Write("births.csv", std::string(kHeader) + kDelhiRow);
    const ProgramRun run = RunProgram(folder, "batch '" + births + "' -o '" + births + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("the output would overwrite the input"), std::string::npos);
    EXPECT_EQ(ReadBytes(births), std::string(kHeader) + kDelhiRow);
}

TEST(CommandLine, BatchWritesTheNamedFile) {
    TempFolder folder;
    const std::string births = folder.Write("births.csv", std::string(kHeader) + kDelhiRow);
    const ProgramRun run =
        RunProgram(folder, "batch '" + births + "' -o '" + folder.File("out.csv") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    // No terminal on standard error here, so no progress line either.
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(ReadBytes(folder.File("out.csv")).ends_with(",Manglik,1,0.125%,Manglik,\r\n"));
}

}  // namespace
}  // namespace orbalis::cli
