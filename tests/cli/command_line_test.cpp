// The orbalis-cli program as a user runs it: exit statuses and where the
// messages go, through RunCli, and the program itself where a process is
// the point.

#include <sys/wait.h>
#include <wordexp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "model/reference_tables.h"
#include "places/place_search.h"
#include "run_program.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

using testing::ProgramRun;
using testing::RunProgram;

// Runs the program itself, as a user does.
ProgramRun RunBinary(const TempFolder& folder, const std::string& arguments) {
    const std::string command = std::string("'") + ORBALIS_CLI_BINARY + "' " + arguments +
                                " </dev/null >'" + folder.File("stdout") + "' 2>'" +
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

// What the user gave comes back in messages with its control characters
// escaped, never as a terminal's escape sequence.
TEST(CommandLine, ControlCharactersInMessagesAreEscaped) {
    struct Case {
        const char* name;
        std::string arguments;
        std::string input;
        std::string shown;  // in the message
    };
    const Case cases[] = {
        {"a header's names", "batch", "name,date,time,\x1b[31mzone\r\n", "\\x1b[31mzone"},
        {"a town asked for",
         "reading --name Sample --date 1985-08-15 --time 10:30 --place "
         "'X\x1b]0;owned\x07'",
         "", "X\\x1b]0;owned\\x07"},
        {"a file's name", "reading '\x1b[31mred.orb'", "", "\\x1b[31mred.orb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const ProgramRun run = RunProgram(folder, c.arguments, c.input);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
    }
}

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
        {"unknown encoding", std::string(kDelhiArguments) + " --encoding latin-1", "", 2,
         "--encoding", ""},
        {"refused date",
         "reading --name Sample --date 1980-04-31 --time 10:30 --zone 34 --lat 28N39 --lon 77E13 "
         "--city Delhi --state Delhi --country India",
         "", 2, "Please Enter Correct Date Or Month !\n", ""},
        {"no name", "reading --date 1985-08-15 --time 10:30 --zone 34", "", 2,
         "Please Enter Your Name\n", ""},
        {"unknown format", std::string(kDelhiArguments) + " --format xml", "", 2, "--format", ""},
        {"json names classic positions", std::string(kDelhiArguments) + " --format json", "", 0, "",
         "{\n  \"positions\": \"classic\",\n"},
        {"precise positions", std::string(kDelhiArguments) + " --format json --positions precise",
         "", 0, "", "{\n  \"positions\": \"precise\",\n"},
        {"precise text export", std::string(kDelhiArguments) + " --positions precise", "", 0, "",
         "Name: Sample\r\n"},
        {"unknown positions", std::string(kDelhiArguments) + " --positions exact", "", 2,
         "--positions", ""},
        {"unknown option", "reading --planet Mars", "", 2, "The following argument", ""},
        {"no command", "", "", 2, "A subcommand is required", ""},
        {"file and options together", "reading x.orb --name Sample", "", 2,
         "Give either a reading file or the birth options, not both", ""},
        {"zones", "zones", "", 0, "", " 0  Alaska/Hawaii Daylight Time,AHDT,-9.0\n"},
        {"version without a command", "--version", "", 0, "", "orbalis-cli 1.15\n"},
        {"help without a command", "--help", "", 0, "", "Kuja dosha readings without a window"},
        {"batch from standard input", "batch", std::string(kHeader) + kDelhiRow, 0, "",
         "name,date,time,zone,lat,lon,dst,city,state,country,ascendant,"},
        {"batch of precise positions on two threads", "batch --positions precise --jobs 2",
         std::string(kHeader) + kDelhiRow, 0, "",
         "name,date,time,zone,lat,lon,dst,city,state,country,ascendant,"},
        {"batch on more threads than the cores can use", "batch --jobs 1024",
         std::string(kHeader) + kDelhiRow, 0, "orbalis-cli: --jobs 1024 is more than this machine",
         "name,date,time,zone,lat,lon,dst,city,state,country,ascendant,"},
        {"batch on no thread", "batch --jobs 0", std::string(kHeader) + kDelhiRow, 2, "--jobs", ""},
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

TEST(CommandLine, TextReadingInEitherEncoding) {
    struct Case {
        const char* name;
        std::string encoding;
        std::string ayanamsaLine;
    };
    const Case cases[] = {
        {"a file gets the export's bytes", "", "Ayanamsa: 23\xB0 39' 14\"\r\n"},
        {"named code page", " --encoding windows-1252", "Ayanamsa: 23\xB0 39' 14\"\r\n"},
        {"named UTF-8", " --encoding utf-8", "Ayanamsa: 23\xC2\xB0 39' 14\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const ProgramRun run = RunProgram(folder, kDelhiArguments + c.encoding);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(c.ayanamsaLine), std::string::npos) << run.out;
    }
}

TEST(CommandLine, TheProgramExitsWithItsRunsStatus) {
    struct Case {
        const char* arguments;
        int status;
        std::string outStart;
    };
    const Case cases[] = {
        {"zones", 0, " 0  Alaska/Hawaii Daylight Time,AHDT,-9.0\n"},
        {"reading --name Sample", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        TempFolder folder;
        const ProgramRun run = RunBinary(folder, c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out.starts_with(c.outStart)) << run.out;
    }
}

TEST(CommandLine, ReadingOnATerminalIsUtf8AndASummaryByDefault) {
    struct Case {
        const char* format;
        const char* outHas;
    };
    const Case cases[] = {
        {" --format text", "Ayanamsa: 23\xC2\xB0 39'"},
        {"", "Nakshatra: Pushya, the Moon in pada 3\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outHas);
        TempFolder folder;
        // script(1) gives the program a terminal of its own.
        const std::string command = std::string("script -qec \"'") + ORBALIS_CLI_BINARY + "' " +
                                    kDelhiArguments + c.format + "\" /dev/null >'" +
                                    folder.File("out") + "' 2>&1 </dev/null";
        if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no script(1) here";
        EXPECT_NE(ReadBytes(folder.File("out")).find(c.outHas), std::string::npos);
    }
}

TEST(CommandLine, ZonesListsAllRows) {
    TempFolder folder;
    const ProgramRun run = RunProgram(folder, "zones");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), kTimeZoneCount);
    EXPECT_NE(run.out.find("\n34  Indian Time, IST, +5.3\n"), std::string::npos);
}

TEST(CommandLine, ReadingAtAPlace) {
    if (!PlaceFinderAvailable()) GTEST_SKIP() << "built without the place table";
    struct Case {
        const char* name;
        std::string options;
        int status;
        std::string errStart;
        std::string outHas;
    };
    const std::string birth = "reading --name A --date 1976-07-04 --time 20:15 --format json ";
    const Case cases[] = {
        {"daylight saving from the clock", "--place 'New York'", 0, "", "\"daylightSaving\": true"},
        {"--no-dst overrides the clock", "--place 'New York' --no-dst", 0, "",
         "\"utc_offset\": \"-05:00\""},
        {"an ambiguous place", "--place Springfield", 2,
         "The place \"Springfield\" could be any of these", ""},
        {"a place beside a reading file", "--place Delhi x.orb", 2, "Give either", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const ProgramRun run = RunProgram(folder, birth + c.options);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.starts_with(c.errStart)) << run.err;
        EXPECT_NE(run.out.find(c.outHas), std::string::npos) << run.out.substr(0, 200);
    }
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
    EXPECT_TRUE(ReadBytes(folder.File("out.csv"))
                    .ends_with(",Manglik,1,0.125%,Manglik,none,cancelled,cancelled,Vir,Lib,,"
                               "cancelled,,Saturn/Rahu,5y 0m 15d\r\n"));
}

TEST(CommandLine, OutputFileIsReplacedWholeOrNotAtAll) {
    struct Case {
        const char* name;
        std::string input;  // "" for a folder
        int status;
        std::size_t rowsAfter;  // rows of the output file afterwards: 2 is the earlier run's
    };
    const Case cases[] = {
        {"a NUL byte before the first row", std::string(kHeader) + std::string("x\0", 2), 2, 2},
        {"a folder as input", "", 2, 2},
        {"damage after two rows", std::string(kHeader) + kDelhiRow + kDelhiRow + "\"open", 2, 3},
        {"a good run", std::string(kHeader) + kDelhiRow + kDelhiRow + kDelhiRow, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string out = folder.File("out.csv");
        const std::string good = folder.Write("good.csv", std::string(kHeader) + kDelhiRow);
        ASSERT_EQ(RunProgram(folder, "batch '" + good + "' -o '" + out + "'").status, 0);
        const std::string input =
            c.input.empty() ? folder.File(".") : folder.Write("births.csv", c.input);
        const ProgramRun run = RunProgram(folder, "batch '" + input + "' -o '" + out + "'");
        EXPECT_EQ(run.status, c.status) << run.err;
        const std::string written = ReadBytes(out);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), c.rowsAfter) << written;
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(folder.File("")))
            ++files;
        EXPECT_EQ(files, c.input.empty() ? 5u : 6u) << "a temporary file is left behind";
    }
}

TEST(CommandLine, MessagesNameTheFileAndTheReason) {
    struct Case {
        const char* name;
        std::string arguments;
        std::string out;  // where standard output goes
        std::string err;  // standard error, {} standing for the temporary folder
    };
    const Case cases[] = {
        {"batch to a full disk", "batch -o /dev/full", "",
         "orbalis-cli: /dev/full: the output cannot be written: No space left on device\n"},
        {"batch to a full standard output", "batch", "/dev/full",
         "orbalis-cli: standard output: the output cannot be written: No space left on device\n"},
        {"zones to a full disk", "zones", "/dev/full",
         "orbalis-cli: standard output: the list cannot be written: No space left on device\n"},
        {"a folder as input", "batch {}", "",
         "orbalis-cli: {}: the file cannot be read: Is a directory\n"},
    };
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        auto withFolder = [&](std::string text) {
            if (const auto at = text.find("{}"); at != std::string::npos)
                text.replace(at, 2, folder.File(""));
            return text;
        };
        const ProgramRun run =
            RunProgram(folder, withFolder(c.arguments), std::string(kHeader) + kDelhiRow, c.out);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, withFolder(c.err));
    }
}

}  // namespace
}  // namespace orbalis::cli
